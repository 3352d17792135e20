#include "ChannelTable.h"

ChannelTable::ChannelTable(QObject *parent) : QObject(parent) {}

void ChannelTable::changed(int row, int column)
{
    if (m_updateDepth > 0)
        m_pendingReset = true;
    else
        emit cellChanged(row, column);
}

void ChannelTable::setForeDirect(int row, int column, const QString &text)
{
    m_grid.setFore(row, column, text);
    changed(row, column);
}

void ChannelTable::setBack(int row, int column, const QString &text)
{
    m_grid.setBack(row, column, text);
}

void ChannelTable::setReadOnly(int row, int column, bool readOnly)
{
    m_grid.setReadOnly(row, column, readOnly);
    changed(row, column);
}

void ChannelTable::setColumnReadOnly(int column, bool readOnly)
{
    beginUpdate();
    for (int row = FirstChannelRow; row < rowCount(); ++row)
        setReadOnly(row, column, readOnly);
    endUpdate();
}

void ChannelTable::setForeText(int row, int column, const QString &text)
{
    if (!m_grid.contains(row, column))
        return;
    m_grid.setFore(row, column, text);
    changed(row, column);
    emit foreTextSet(row, column);
}

QString ChannelTable::itemText(int column, const QString &index) const
{
    const QStringList *list = nullptr;
    switch (column) {
    case ColPower:
        list = &m_items.power;
        break;
    case ColBandwidth:
        list = &m_items.bandwidth;
        break;
    case ColScanAdd:
    case ColBeatShift:
    case ColBusyLockout:
        list = &m_items.yesNo;
        break;
    default:
        return QString();
    }
    bool ok = false;
    const int i = index.toInt(&ok);
    return ok && i >= 0 && i < list->size() ? list->at(i) : QString();
}

void ChannelTable::setHeaders(const QStringList &titles)
{
    for (int c = ColNumber; c < ColumnCount; ++c)
        m_grid.setFore(HeaderRow, c, titles.value(c - 1));
    emit headerChanged();
}

void ChannelTable::beginUpdate()
{
    ++m_updateDepth;
}

void ChannelTable::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0 && m_pendingReset) {
        m_pendingReset = false;
        emit tableReset();
    }
}

void ChannelTable::clearRow(int row)
{
    m_grid.setBack(row, ColNumber, QString());
    for (int c = ColRx; c < ColumnCount; ++c) {
        m_grid.setFore(row, c, QString());
        m_grid.setBack(row, c, QString());
    }
}

void ChannelTable::ResetRows(int channels)
{
    beginUpdate();
    if (rowCount() == channels + 2) {
        for (int row = FirstChannelRow; row < rowCount(); ++row)
            clearRow(row);
        for (int row = FirstChannelRow; row < rowCount(); ++row)
            m_grid.setReadOnly(row, ColTx, true);
    } else {
        m_grid.setRowCount(2);
        m_grid.setRowCount(channels + 2);
        for (int n = 1; n <= channels; ++n) {
            const int row = rowOfChannel(n);
            m_grid.setFore(row, ColNumber, QString::number(n));
            for (int c = 0; c < ColumnCount; ++c)
                m_grid.setReadOnly(row, c, c != ColRx);
        }
    }
    m_pendingReset = true;
    endUpdate();
}

void ChannelTable::SetChannelUsed(int row)
{
    if (!m_grid.contains(row, ColNumber) || row < FirstChannelRow)
        return;
    beginUpdate();
    m_grid.setBack(row, ColNumber, QStringLiteral("1"));
    if (fore(row, ColTx).isEmpty())
        setForeDirect(row, ColTx, fore(row, ColRx));
    setForeText(row, ColDecode, m_items.none);
    m_grid.setBack(row, ColDecode, QStringLiteral("0"));
    setForeText(row, ColEncode, m_items.none);
    m_grid.setBack(row, ColEncode, QStringLiteral("0"));
    setForeText(row, ColPower, m_items.power.value(1));
    m_grid.setBack(row, ColPower, QStringLiteral("1"));
    setForeText(row, ColBandwidth, m_items.bandwidth.value(0));
    m_grid.setBack(row, ColBandwidth, QStringLiteral("0"));
    for (int c : {ColScanAdd, ColBeatShift, ColBusyLockout}) {
        setForeText(row, c, m_items.yesNo.value(1));
        m_grid.setBack(row, c, QStringLiteral("1"));
    }
    m_grid.setReadOnly(row, ColTx, false);
    endUpdate();
}

void ChannelTable::ClearChannel(int row)
{
    if (row < FirstChannelRow || row >= rowCount())
        return;
    beginUpdate();
    clearRow(row);
    m_grid.setReadOnly(row, ColTx, true);
    m_pendingReset = true;
    endUpdate();
}

void ChannelTable::RetextRows(const QString &oldNone)
{
    beginUpdate();
    for (int row = FirstChannelRow; row < rowCount(); ++row) {
        if (fore(row, ColRx).isEmpty())
            continue;
        for (int c : {ColDecode, ColEncode}) {
            if (fore(row, c) == oldNone)
                m_grid.setFore(row, c, m_items.none);
        }
        for (int c = ColPower; c <= ColBusyLockout; ++c)
            m_grid.setFore(row, c, itemText(c, back(row, c)));
    }
    m_pendingReset = true;
    endUpdate();
}

void ChannelTable::LoadFromStaging(const TextGrid &staging)
{
    beginUpdate();
    for (int row = FirstChannelRow; row < rowCount(); ++row) {
        if (staging.fore(row, ColRx).isEmpty())
            continue;
        m_grid.setBack(row, ColNumber, QStringLiteral("1"));
        setForeDirect(row, ColRx, staging.fore(row, ColRx));
        setForeDirect(row, ColTx, staging.fore(row, ColTx));
        for (int c : {ColDecode, ColEncode}) {
            const QString tone = staging.fore(row, c);
            setForeText(row, c, tone.isEmpty() ? m_items.none : tone);
        }
        for (int c = ColPower; c <= ColBusyLockout; ++c) {
            m_grid.setBack(row, c, staging.back(row, c));
            setForeText(row, c, itemText(c, staging.back(row, c)));
        }
        m_grid.setReadOnly(row, ColTx, false);
    }
    m_pendingReset = true;
    endUpdate();
}

void ResetStaging(TextGrid *staging, int channels)
{
    staging->resize(2, 12);
    staging->setRowCount(channels + 2);
}
