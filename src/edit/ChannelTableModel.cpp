#include "ChannelTableModel.h"

#include "model/ChannelTable.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

ChannelTableModel::ChannelTableModel(ChannelTable *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_rows(table->channelCount())
{
    connect(m_table, &ChannelTable::cellChanged, this, &ChannelTableModel::onCellChanged);
    connect(m_table, &ChannelTable::tableReset, this, &ChannelTableModel::onTableReset);
    connect(m_table, &ChannelTable::headerChanged, this,
            [this] { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); });
}

void ChannelTableModel::setAlignmentCodes(const QList<int> &codes)
{
    m_alignment = codes;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ChannelTable::ColumnCount - 1;
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = tableRow(index);
    const int column = tableColumn(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_table->fore(row, column);
    case Qt::TextAlignmentRole:
        switch (m_alignment.value(index.column())) {
        case 1:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        case 2:
            return int(Qt::AlignCenter);
        case 3:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
        }
    case Qt::BackgroundRole:
        return column == ChannelTable::ColNumber
                   ? QBrush(QApplication::palette().color(QPalette::Button))
                   : QBrush(Qt::white);
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return {};
    }
}

bool ChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if (m_table->isReadOnly(tableRow(index), tableColumn(index)))
        return false;
    // A message shown while the text is checked takes the focus from the
    // editor, which commits the same text again: that second commit is dropped.
    if (m_committing)
        return false;
    m_committing = true;
    m_table->setForeText(tableRow(index), tableColumn(index), value.toString());
    m_committing = false;
    return true;
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return m_table->fore(ChannelTable::HeaderRow, section + 1);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_table->isReadOnly(tableRow(index), tableColumn(index)))
        f |= Qt::ItemIsEditable;
    return f;
}

void ChannelTableModel::onCellChanged(int row, int column)
{
    const int r = row - 2;
    const int c = column - 1;
    if (r >= 0 && r < m_rows && c >= 0 && c < columnCount())
        emit dataChanged(index(r, c), index(r, c));
}

void ChannelTableModel::onTableReset()
{
    if (m_rows != m_table->channelCount()) {
        beginResetModel();
        m_rows = m_table->channelCount();
        endResetModel();
    } else if (m_rows > 0) {
        // Same rows: keep the view's current cell and selection.
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
    }
}
