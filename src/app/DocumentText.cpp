#include "DocumentText.h"

#include "Program.h"
#include "TALL.h"
#include "model/ChannelTable.h"
#include "model/ChannelText.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QHash>

using CT = ChannelTable;

namespace {

const QStringList ColumnTitles = {QStringLiteral("Channel No."),  QStringLiteral("RX Frequency"),
                                  QStringLiteral("TX Frequency"), QStringLiteral("QT/DQT Dec"),
                                  QStringLiteral("QT/DQT Enc"),   QStringLiteral("TX Power"),
                                  QStringLiteral("W/N"),          QStringLiteral("Scan Add"),
                                  QStringLiteral("Beat Shift"),   QStringLiteral("Busy Lockout")};

const QStringList PowerItems = {QStringLiteral("Low"), QStringLiteral("High")};
const QStringList BandwidthItems = {QStringLiteral("Wide"), QStringLiteral("Narrow")};
const QStringList YesNoItems = {QStringLiteral("Yes"), QStringLiteral("No")};

const QStringList &itemsOf(int column)
{
    return column == CT::ColPower       ? PowerItems
           : column == CT::ColBandwidth ? BandwidthItems
                                        : YesNoItems;
}

QString jsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

QString toneOf(const ChannelTable &table, int row, int column)
{
    const QString tone = table.fore(row, column);
    return tone == table.itemTexts().none ? QString() : tone;
}

QString csvField(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString DocumentText::ToJson(const ChannelTable &table)
{
    const TALL &all = All();
    QStringList lines;
    lines << QStringLiteral("{");
    lines << QStringLiteral("  \"model\": %1,").arg(jsonString(all.ModelCode));
    lines << QStringLiteral("  \"modelName\": %1,").arg(jsonString(all.ModelName));
    lines << QStringLiteral("  \"band\": %1,").arg(jsonString(all.BandLabel));
    lines << QStringLiteral("  \"saved\": %1,").arg(jsonString(all.FileDate));
    lines << QStringLiteral("  \"channels\": [");
    const int channels = table.channelCount();
    for (int n = 1; n <= channels; ++n) {
        const int row = CT::rowOfChannel(n);
        QString entry;
        if (!table.isUsed(row)) {
            entry = QStringLiteral("    {\"channel\": %1, \"used\": false}").arg(n);
        } else {
            auto flag = [&](int column) { return table.back(row, column).toInt(); };
            entry = QStringLiteral("    {\"channel\": %1, \"used\": true, \"rx\": %2, \"tx\": %3, "
                                   "\"decode\": %4, \"encode\": %5, \"power\": %6, "
                                   "\"bandwidth\": %7, \"scanAdd\": %8, \"beatShift\": %9, "
                                   "\"busyLockout\": %10}")
                        .arg(n)
                        .arg(jsonString(table.fore(row, CT::ColRx).trimmed()),
                             jsonString(table.fore(row, CT::ColTx).trimmed()),
                             jsonString(toneOf(table, row, CT::ColDecode)),
                             jsonString(toneOf(table, row, CT::ColEncode)))
                        .arg(flag(CT::ColPower))
                        .arg(flag(CT::ColBandwidth))
                        .arg(flag(CT::ColScanAdd))
                        .arg(flag(CT::ColBeatShift))
                        .arg(flag(CT::ColBusyLockout));
        }
        lines << entry + (n < channels ? QStringLiteral(",") : QString());
    }
    lines << QStringLiteral("  ],");
    const TFun &f = Fun();
    const std::pair<const char *, qint32> settings[] = {
        {"BatterySave", f.BatterySave},
        {"BeepTone", f.BeepTone},
        {"Squelch", f.Squelch},
        {"SideKey", f.SideKey},
        {"TxTimeout", f.TxTimeout},
        {"Vox", f.Vox},
        {"VoxInhibitOnReceive", f.VoxInhibitOnReceive},
        {"VoxLevel", f.VoxLevel},
        {"VoiceLanguage", f.VoiceLanguage},
        {"Scan", f.Scan},
        {"VoicePrompt", f.VoicePrompt},
        {"HighVoltInhibitTx", f.HighVoltInhibitTx},
        {"LowVoltInhibitTx", f.LowVoltInhibitTx},
        {"InceptAlarm", f.InceptAlarm},
        {"FmRadio", f.FmRadio}};
    QStringList fields;
    for (const auto &[name, value] : settings)
        fields << QStringLiteral("\"%1\": %2").arg(QLatin1String(name)).arg(value);
    lines << QStringLiteral("  \"settings\": {") + fields.join(QStringLiteral(", ")) +
                 QStringLiteral("},");
    lines << QStringLiteral("  \"messages\": {\"A\": %1, \"B\": %2}")
                 .arg(jsonString(EnMsg().MessageA), jsonString(EnMsg().MessageB));
    lines << QStringLiteral("}");
    return lines.join(u'\n') + u'\n';
}

QString DocumentText::ToCsv(const ChannelTable &table)
{
    QString out = ColumnTitles.join(u',') + QStringLiteral("\r\n");
    for (int n = 1; n <= table.channelCount(); ++n) {
        const int row = CT::rowOfChannel(n);
        if (!table.isUsed(row))
            continue;
        QStringList fields;
        fields << QString::number(n) << table.fore(row, CT::ColRx).trimmed()
               << table.fore(row, CT::ColTx).trimmed();
        for (int c : {CT::ColDecode, CT::ColEncode}) {
            const QString tone = toneOf(table, row, c);
            fields << (tone.isEmpty() ? QStringLiteral("None") : tone);
        }
        for (int c = CT::ColPower; c <= CT::ColBusyLockout; ++c)
            fields << itemsOf(c).value(table.back(row, c).toInt());
        for (QString &field : fields)
            field = csvField(field);
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return out;
}

bool DocumentText::ParseCsv(const QString &text, QList<QStringList> *records)
{
    records->clear();
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
                record << field;
                records->append(record);
            }
            record.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        return false;
    if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
        record << field;
        records->append(record);
    }
    return true;
}

bool DocumentText::FromCsv(const QString &csv, ChannelTable &table, QStringList *errors)
{
    QString text = csv;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<QStringList> records;
    if (!ParseCsv(text, &records)) {
        errors->append(QStringLiteral("the file ends inside a quoted field"));
        return false;
    }
    if (records.isEmpty()) {
        errors->append(QStringLiteral("the file is empty"));
        return false;
    }
    QStringList header = records.takeFirst();
    for (QString &title : header)
        title = title.trimmed();
    if (header != ColumnTitles) {
        errors->append(
            QStringLiteral("line 1: the header must be: %1").arg(ColumnTitles.join(u',')));
        return false;
    }

    const TALL &all = All();
    const int channels = table.channelCount();
    struct Row
    {
        int channel;
        QStringList fields;
    };
    QList<Row> rows;
    QHash<int, int> seen;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const int line = int(i) + 2;
        const QStringList &r = records[i];
        auto fail = [&](int column, const QString &reason) {
            errors->append(QStringLiteral("line %1, column %2 (%3): %4")
                               .arg(line)
                               .arg(column + 1)
                               .arg(ColumnTitles.value(column), reason));
        };
        if (r.size() != ColumnTitles.size()) {
            errors->append(QStringLiteral("line %1: %2 fields, %3 expected")
                               .arg(line)
                               .arg(r.size())
                               .arg(ColumnTitles.size()));
            continue;
        }
        const qsizetype before = errors->size();
        bool ok = false;
        const int channel = r[0].trimmed().toInt(&ok);
        if (!ok || channel < 1 || channel > channels)
            fail(0, QStringLiteral("'%1' is not a channel number from 1 to %2")
                        .arg(r[0])
                        .arg(channels));
        else if (seen.contains(channel))
            fail(
                0,
                QStringLiteral("channel %1 is already on line %2").arg(channel).arg(seen[channel]));
        else
            seen.insert(channel, line);

        for (int c : {1, 2}) {
            const QString value = r[c].trimmed();
            if (c == 2 && value.isEmpty())
                continue; // no TX frequency
            double mhz = 0.0;
            if (!ParseDecimal(value, &mhz)) {
                fail(c, QStringLiteral("'%1' is not a frequency").arg(r[c]));
            } else if (mhz > all.ModelMaxFrequency || mhz < all.ModelMinFrequency) {
                fail(c, QStringLiteral("%1 MHz is outside the model's range %2 to %3 MHz")
                            .arg(value)
                            .arg(all.ModelMinFrequency)
                            .arg(all.ModelMaxFrequency));
            } else if (FormatFrequency(SnapFrequency(mhz)) != FormatFrequency(mhz) ||
                       std::abs(mhz * 100000.0 - std::round(mhz * 100000.0)) > 1e-6) {
                fail(c, QStringLiteral("%1 MHz is not on the 5 kHz or 6.25 kHz channel raster")
                            .arg(value));
            }
        }
        for (int c : {3, 4}) {
            const QString tone = r[c].trimmed();
            if (tone.isEmpty() || tone.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0)
                continue;
            if (NormalizeTone(tone) != tone)
                fail(c, QStringLiteral("'%1' is not a tone (67.0 or D023N, D023I)").arg(r[c]));
        }
        for (int c = 5; c <= 9; ++c) {
            const QStringList &items = itemsOf(c + 1);
            bool known = false;
            for (const QString &item : items)
                known = known || item.compare(r[c].trimmed(), Qt::CaseInsensitive) == 0;
            if (!known)
                fail(c, QStringLiteral("'%1' is not one of %2")
                            .arg(r[c], items.join(QStringLiteral(", "))));
        }
        if (errors->size() == before)
            rows.append({channel, r});
    }
    if (!errors->isEmpty())
        return false;

    table.beginUpdate();
    table.ResetRows(channels);
    for (const Row &row : rows) {
        TBWriteRead::Channel channel;
        ParseDecimal(row.fields[1], &channel.rx);
        const QString tx = row.fields[2].trimmed();
        if (tx.isEmpty() || !ParseDecimal(tx, &channel.tx))
            channel.tx = -1.0;
        for (int c : {3, 4}) {
            QString tone = row.fields[c].trimmed();
            if (tone.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0)
                tone.clear();
            (c == 3 ? channel.decode : channel.encode) = tone;
        }
        int *flags[] = {&channel.power, &channel.bandwidth, &channel.scanAdd, &channel.beatShift,
                        &channel.busyLockout};
        for (int c = 5; c <= 9; ++c) {
            const QStringList &items = itemsOf(c + 1);
            for (int i = 0; i < items.size(); ++i) {
                if (items[i].compare(row.fields[c].trimmed(), Qt::CaseInsensitive) == 0)
                    *flags[c - 5] = i;
            }
        }
        table.FillRow(CT::rowOfChannel(row.channel), channel);
    }
    table.endUpdate();
    return true;
}
