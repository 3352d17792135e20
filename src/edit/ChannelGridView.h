#pragma once

#include <QTableView>

// The channel grid: a table view that can commit the cell edit in progress
// before a command runs.
class ChannelGridView : public QTableView
{
    Q_OBJECT

public:
    using QTableView::QTableView;

    void commitPendingEdit()
    {
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};
