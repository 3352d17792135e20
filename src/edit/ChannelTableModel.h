#pragma once

#include <QAbstractTableModel>
#include <QList>

class ChannelTable;

// Shows the channel table in a view: model row i is channel i + 1, model
// column j is table column j + 1, the header is the table's header row.
class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ChannelTableModel(ChannelTable *table, QObject *parent = nullptr);

    // Alignment codes of the columns: 1 left, 2 centre, 3 right; others the default.
    void setAlignmentCodes(const QList<int> &codes);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    ChannelTable *table() const { return m_table; }
    static int tableRow(const QModelIndex &index) { return index.row() + 2; }
    static int tableColumn(const QModelIndex &index) { return index.column() + 1; }

private:
    void onCellChanged(int row, int column);
    void onTableReset();

    ChannelTable *m_table = nullptr;
    QList<int> m_alignment;
    int m_rows = 0;
    bool m_committing = false;
};
