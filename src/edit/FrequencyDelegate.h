#pragma once

#include <QStyledItemDelegate>

// The text editor of the RX and TX cells: only digits and the point get in,
// typed or pasted, and the whole text is selected when it opens.
class FrequencyDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
};
