#include "DataFile.h"

#include "Program.h"
#include "TALL.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TBWriteRead.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

namespace {

void append(QByteArray *bytes, const Block &block)
{
    bytes->append(reinterpret_cast<const char *>(block.data()), qsizetype(block.size()));
}

Block recordAt(const QByteArray &bytes, int record)
{
    Block block;
    block.fill(0xFF);
    const qsizetype offset = qsizetype(record) * DataFile::RecordSize;
    for (int i = 0; i < DataFile::RecordSize && offset + i < bytes.size(); ++i)
        block[size_t(i)] = quint8(bytes[offset + i]);
    return block;
}

QString threeDigits(double value)
{
    return QStringLiteral("%1").arg(qRound(value), 3, 10, QLatin1Char('0'));
}

QString notDataFile(qsizetype size, int expected)
{
    return QStringLiteral("The file is not a data file of this program: %1 bytes, %2 expected.")
        .arg(size)
        .arg(expected);
}

} // namespace

int DataFile::RecordCount(const TMacType &model)
{
    return 1 + model.ChannelCount + model.GapBlocks - 1 + 7 + (model.ChannelCount > 16 ? 4 : 0);
}

bool DataFile::Encode(const ChannelTable &table, QByteArray *bytes, QString *error)
{
    TALL &all = All();
    all.UsedFlags.clear();
    all.ScanFlags.clear();
    const TMacType *model = all.CurrentModel;
    if (!model) {
        if (error)
            *error = QStringLiteral("No model is selected.");
        return false;
    }
    QByteArray out;
    Block block;
    TBWriteRead::EncodeHeader(
        block, QStringLiteral("P") + all.ModelCode,
        threeDigits(all.BandLow) + threeDigits(all.BandHigh),
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    append(&out, block);
    for (int n = 1; n <= model->ChannelCount; ++n) {
        if (!table.EncodeChannelRow(ChannelTable::rowOfChannel(n), &block, &all.UsedFlags,
                                    &all.ScanFlags, error))
            return false;
        append(&out, block);
    }
    TBWriteRead::FillBlank(block);
    for (int i = 0; i < model->GapBlocks - 1; ++i)
        append(&out, block);
    TBWriteRead::EncodeExtendedSettings(block, Fun());
    append(&out, block);
    for (const QString &message : {EnMsg().MessageA, EnMsg().MessageB}) {
        TBWriteRead::EncodeMessagePart(block, message.left(16));
        append(&out, block);
        TBWriteRead::EncodeMessagePart(block, message.mid(16, 16));
        append(&out, block);
    }
    TBWriteRead::EncodeBasicSettings(block, Fun());
    append(&out, block);
    TBWriteRead::EncodeIdentity(block, FrqList().CodeOf(all.BandLabel), all.ModelCode);
    append(&out, block);
    if (model->ChannelCount > 16) {
        for (const QString *flags : {&all.UsedFlags, &all.ScanFlags}) {
            TBWriteRead::EncodeFlagBitmap(block, flags->left(128));
            append(&out, block);
            TBWriteRead::EncodeFlagBitmap(block, flags->mid(128, 128));
            append(&out, block);
        }
    }
    *bytes = out;
    return true;
}

DataFile::LoadResult DataFile::Decode(const QByteArray &bytes, ChannelTable &table, QString *error)
{
    if (bytes.size() < RecordSize) {
        if (error)
            *error = notDataFile(bytes.size(), RecordSize * 62);
        return LoadResult::NotDataFile;
    }
    QString modelText, bandText, dateText;
    TBWriteRead::DecodeHeader(recordAt(bytes, 0), &modelText, &bandText, &dateText);
    const TMacType *model = MacList().FindByCode(modelText.mid(1).trimmed());
    if (!model)
        return LoadResult::ModelUnknown;
    const int records = RecordCount(*model);
    if (bytes.size() < qsizetype(records) * RecordSize) {
        if (error)
            *error = notDataFile(bytes.size(), records * RecordSize);
        return LoadResult::NotDataFile;
    }

    TALL &all = All();
    all.FileDate = dateText;
    all.BandLow = bandText.left(3).toDouble();
    all.BandHigh = bandText.mid(3, 3).toDouble();
    SelectModel(model);

    int record = 1;
    table.beginUpdate();
    table.ResetRows(model->ChannelCount);
    for (int n = 1; n <= model->ChannelCount; ++n, ++record) {
        TBWriteRead::Channel channel;
        if (TBWriteRead::DecodeChannel(recordAt(bytes, record), &channel))
            table.FillRow(ChannelTable::rowOfChannel(n), channel);
    }
    record += model->GapBlocks - 1;
    TBWriteRead::DecodeExtendedSettings(recordAt(bytes, record++), Fun());
    QString parts[4];
    for (QString &part : parts)
        part = TBWriteRead::DecodeMessagePart(recordAt(bytes, record++));
    EnMsg().MessageA = parts[0] + parts[1];
    EnMsg().MessageB = parts[2] + parts[3];
    TBWriteRead::DecodeBasicSettings(recordAt(bytes, record++), Fun());
    const quint8 bandCode = TBWriteRead::DecodeIdentity(recordAt(bytes, record++), &all.ModelCode);
    SelectBand(FrqList().LabelOf(bandCode));
    table.endUpdate();
    return LoadResult::Loaded;
}

bool SaveDataFile(const QString &path, const ChannelTable &table, QString *error)
{
    QByteArray bytes;
    if (!DataFile::Encode(table, &bytes, error))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    All().Modified = false;
    return true;
}

DataFile::LoadResult LoadDataFile(const QString &path, ChannelTable &table, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return DataFile::LoadResult::NotDataFile;
    }
    // The largest layout is a few kilobytes; never read more than that.
    const QByteArray bytes = file.read(64 * 1024);
    if (file.error() != QFile::NoError) {
        if (error)
            *error = file.errorString();
        return DataFile::LoadResult::NotDataFile;
    }
    const DataFile::LoadResult result = DataFile::Decode(bytes, table, error);
    if (result == DataFile::LoadResult::Loaded)
        All().Modified = false;
    return result;
}
