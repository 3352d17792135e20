#include "FrequencyDelegate.h"

#include "CharFilterValidator.h"

#include <QLineEdit>

QWidget *FrequencyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("frequencyEditor"));
    editor->setFrame(false);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CharFilterValidator::forFrequency(editor)->attach(editor);
    return editor;
}

void FrequencyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = static_cast<QLineEdit *>(editor);
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll();
}
