#include "ChannelTable.h"

#include "ChannelText.h"

ChannelTable::ChannelTable(QObject *parent) : QObject(parent)
{}

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

void ChannelTable::FillRow(int row, const TBWriteRead::Channel &channel)
{
    if (row < FirstChannelRow || row >= rowCount())
        return;
    beginUpdate();
    m_grid.setBack(row, ColNumber, QStringLiteral("1"));
    m_grid.setReadOnly(row, ColTx, false);
    m_grid.setFore(row, ColRx, FormatFrequency(channel.rx));
    m_grid.setFore(row, ColTx, channel.tx == -1.0 ? QString() : FormatFrequency(channel.tx));
    m_grid.setFore(row, ColDecode, channel.decode.isEmpty() ? m_items.none : channel.decode);
    m_grid.setFore(row, ColEncode, channel.encode.isEmpty() ? m_items.none : channel.encode);
    const int values[] = {channel.power, channel.bandwidth, channel.scanAdd, channel.beatShift,
                          channel.busyLockout};
    for (int c = ColPower; c <= ColBusyLockout; ++c) {
        const QString index = QString::number(values[c - ColPower]);
        m_grid.setBack(row, c, index);
        m_grid.setFore(row, c, itemText(c, index));
    }
    m_pendingReset = true;
    endUpdate();
}

bool ChannelTable::EncodeChannelRow(int row, Block *block, QString *usedFlags, QString *scanFlags,
                                    QString *error) const
{
    auto fail = [&](const QString &message) {
        TBWriteRead::FillBlank(*block);
        if (error)
            *error = QStringLiteral("Channel %1: %2").arg(row - 1).arg(message);
        return false;
    };
    const QString rxText = fore(row, ColRx).trimmed();
    if (rxText.isEmpty()) {
        usedFlags->append(u'0');
        scanFlags->append(u'0');
        TBWriteRead::FillBlank(*block);
        return true;
    }
    usedFlags->append(u'1');
    TBWriteRead::Channel channel;
    if (!ParseDecimal(rxText, &channel.rx))
        return fail(QStringLiteral("'%1' is not a valid frequency").arg(rxText));
    const QString txText = fore(row, ColTx).trimmed();
    if (txText.isEmpty())
        channel.tx = -1.0;
    else if (!ParseDecimal(txText, &channel.tx))
        return fail(QStringLiteral("'%1' is not a valid frequency").arg(txText));
    const QString decode = fore(row, ColDecode);
    const QString encode = fore(row, ColEncode);
    channel.decode = decode == m_items.none ? QString() : decode;
    channel.encode = encode == m_items.none ? QString() : encode;
    int *flags[] = {&channel.power, &channel.bandwidth, &channel.scanAdd, &channel.beatShift,
                    &channel.busyLockout};
    for (int c = ColPower; c <= ColBusyLockout; ++c) {
        bool ok = false;
        *flags[c - ColPower] = back(row, c).toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("'%1' is not a valid integer value").arg(back(row, c)));
    }
    QString reason;
    if (!TBWriteRead::EncodeChannel(*block, channel, &reason))
        return fail(reason);
    scanFlags->append(channel.scanAdd == 1 ? u'1' : u'0');
    return true;
}

void WriteStagingRow(TextGrid *staging, int row, const TBWriteRead::Channel &channel)
{
    staging->setFore(row, ChannelTable::ColRx, FormatFrequency(channel.rx));
    if (channel.tx != -1.0)
        staging->setFore(row, ChannelTable::ColTx, FormatFrequency(channel.tx));
    staging->setFore(row, ChannelTable::ColDecode, channel.decode);
    staging->setFore(row, ChannelTable::ColEncode, channel.encode);
    const int values[] = {channel.power, channel.bandwidth, channel.scanAdd, channel.beatShift,
                          channel.busyLockout};
    for (int c = ChannelTable::ColPower; c <= ChannelTable::ColBusyLockout; ++c)
        staging->setBack(row, c, QString::number(values[c - ChannelTable::ColPower]));
}
