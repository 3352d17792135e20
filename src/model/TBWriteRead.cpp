#include "TBWriteRead.h"

#include "ToneTables.h"
#include "settings/TFun.h"

#include <QDateTime>

#include <cmath>

namespace {

const QString HexLetters = QStringLiteral("ABCDEF");

QString hexByte(quint8 byte)
{
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

// Frequency in MHz to four BCD bytes of 10 Hz units, least significant pair first.
bool encodeFrequency(Block &block, int offset, double mhz)
{
    if (!std::isfinite(mhz))
        return false;
    const long long n = std::llround(mhz * 100000.0);
    if (n < 0 || n > 99999999)
        return false;
    const QString digits = QString::number(n).rightJustified(8, u'0');
    for (int i = 0; i < 4; ++i)
        TBWriteRead::HexPairToByte(digits.mid(6 - 2 * i, 2), &block[size_t(offset + i)]);
    return true;
}

// The eight digits of bytes offset+3 .. offset, or false when one is not decimal.
bool decodeFrequency(const Block &block, int offset, double *mhz)
{
    QString digits;
    for (int i = 3; i >= 0; --i)
        digits += hexByte(block[size_t(offset + i)]);
    if (TBWriteRead::ContainsAny(digits, HexLetters))
        return false;
    *mhz = digits.toLongLong() / 100000.0;
    return true;
}

QChar byteChar(quint8 byte)
{
    return QChar(char16_t(byte));
}

quint8 charByte(QChar c)
{
    return c.unicode() <= 0xFF ? quint8(c.unicode()) : quint8('?');
}

} // namespace

void TBWriteRead::FillBlank(Block &block)
{
    block.fill(0xFF);
}

bool TBWriteRead::IsBlank(const Block &block)
{
    return std::all_of(block.begin(), block.end(), [](quint8 b) { return b == 0xFF; });
}

bool TBWriteRead::EncodeChannel(Block &block, const Channel &channel, QString *error)
{
    FillBlank(block);
    auto fail = [&](const QString &message) {
        FillBlank(block);
        if (error)
            *error = message;
        return false;
    };
    if (!encodeFrequency(block, 0, channel.rx))
        return fail(QStringLiteral("RX frequency %1 MHz does not fit a channel").arg(channel.rx));
    if (channel.tx > -1.0 && !encodeFrequency(block, 4, channel.tx))
        return fail(QStringLiteral("TX frequency %1 MHz does not fit a channel").arg(channel.tx));
    ToneWord decode, encode;
    if (!EncodeTone(channel.decode, &decode))
        return fail(QStringLiteral("'%1' is not a valid tone").arg(channel.decode));
    if (!EncodeTone(channel.encode, &encode))
        return fail(QStringLiteral("'%1' is not a valid tone").arg(channel.encode));
    block[8] = decode.low;
    block[9] = decode.high;
    block[10] = encode.low;
    block[11] = encode.high;
    block[12] = quint8((channel.busyLockout & 1) | (channel.beatShift & 1) << 1 |
                       (channel.bandwidth & 1) << 2 | (channel.power & 1) << 3 |
                       (channel.scanAdd & 1) << 4);
    return true;
}

bool TBWriteRead::DecodeChannel(const Block &block, Channel *channel)
{
    Channel c;
    if (!decodeFrequency(block, 0, &c.rx))
        return false;
    if (!decodeFrequency(block, 4, &c.tx))
        c.tx = -1.0;
    c.decode = DecodeTone(block[8], block[9]);
    c.encode = DecodeTone(block[10], block[11]);
    const quint8 flags = block[12];
    c.busyLockout = flags & 1;
    c.beatShift = flags >> 1 & 1;
    c.bandwidth = flags >> 2 & 1;
    c.power = flags >> 3 & 1;
    c.scanAdd = flags >> 4 & 1;
    *channel = c;
    return true;
}

void TBWriteRead::EncodeBasicSettings(Block &block, const TFun &fun)
{
    FillBlank(block);
    block[0] = quint8((fun.BatterySave & 1) << 1 | (fun.BeepTone & 1));
    block[1] = quint8(fun.Squelch);
    block[2] = quint8(fun.SideKey);
    block[3] = quint8(fun.TxTimeout);
}

void TBWriteRead::DecodeBasicSettings(const Block &block, TFun &fun)
{
    fun.BatterySave = block[0] >> 1 & 1;
    fun.BeepTone = block[0] & 1;
    fun.Squelch = block[1];
    fun.SideKey = block[2];
    fun.TxTimeout = block[3];
}

void TBWriteRead::EncodeExtendedSettings(Block &block, const TFun &fun)
{
    FillBlank(block);
    const qint32 values[] = {fun.VoicePrompt,
                             fun.VoiceLanguage,
                             fun.Scan,
                             fun.Vox,
                             fun.VoxLevel,
                             fun.VoxInhibitOnReceive,
                             fun.LowVoltInhibitTx,
                             fun.HighVoltInhibitTx,
                             fun.InceptAlarm,
                             fun.FmRadio};
    for (size_t i = 0; i < std::size(values); ++i)
        block[i] = quint8(values[i]);
}

void TBWriteRead::DecodeExtendedSettings(const Block &block, TFun &fun)
{
    qint32 *fields[] = {&fun.VoicePrompt,
                        &fun.VoiceLanguage,
                        &fun.Scan,
                        &fun.Vox,
                        &fun.VoxLevel,
                        &fun.VoxInhibitOnReceive,
                        &fun.LowVoltInhibitTx,
                        &fun.HighVoltInhibitTx,
                        &fun.InceptAlarm,
                        &fun.FmRadio};
    for (size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = block[i];
}

void TBWriteRead::EncodeIdentity(Block &block, quint8 bandCode, const QString &modelCode)
{
    FillBlank(block);
    block[0] = 0x00;
    block[1] = 0x00;
    block[2] = bandCode;
    const QString code = (modelCode + QStringLiteral("    ")).left(4);
    for (int i = 0; i < 4; ++i)
        block[size_t(6 - i)] = charByte(code[i]);
    block[7] = 'P';
}

quint8 TBWriteRead::DecodeIdentity(const Block &block, QString *modelCode)
{
    QString code;
    for (int i = 6; i >= 3; --i)
        code += byteChar(block[size_t(i)]);
    if (modelCode)
        *modelCode = code.trimmed();
    return block[2];
}

void TBWriteRead::EncodeMessagePart(Block &block, const QString &text)
{
    FillBlank(block);
    for (int i = 0; i < std::min<qsizetype>(text.size(), 16); ++i)
        block[size_t(i)] = charByte(text[i]);
}

QString TBWriteRead::DecodeMessagePart(const Block &block)
{
    QString text;
    for (quint8 byte : block) {
        if (byte != 0xFF)
            text += byteChar(byte);
    }
    return text;
}

void TBWriteRead::EncodeFlagBitmap(Block &block, const QString &flags)
{
    block.fill(0x00);
    for (int k = 0; k < std::min<qsizetype>(flags.size(), 128); ++k) {
        if (flags[k] == u'1')
            block[size_t(k / 8)] |= quint8(1 << (k % 8));
    }
}

void TBWriteRead::EncodeHeader(Block &block, const QString &modelText, const QString &bandText,
                               const QString &dateText)
{
    FillBlank(block);
    const QString model = (modelText + QStringLiteral("        ")).left(5);
    for (int i = 0; i < 5; ++i)
        block[size_t(i)] = charByte(model[i]);
    for (int i = 0; i < 3; ++i)
        HexPairToByte(bandText.mid(2 * i, 2), &block[size_t(5 + i)]);
    const int year = dateText.mid(0, 4).toInt();
    block[8] = quint8(year & 0xFF);
    block[9] = quint8(year >> 8 & 0xFF);
    block[10] = quint8(dateText.mid(5, 2).toInt());
    block[11] = quint8(dateText.mid(8, 2).toInt());
    block[12] = quint8(dateText.mid(11, 2).toInt());
    block[13] = quint8(dateText.mid(14, 2).toInt());
}

void TBWriteRead::DecodeHeader(const Block &block, QString *modelText, QString *bandText,
                               QString *dateText)
{
    if (modelText) {
        modelText->clear();
        for (int i = 0; i < 5; ++i)
            *modelText += byteChar(block[size_t(i)]);
    }
    if (bandText)
        *bandText = hexByte(block[5]) + hexByte(block[6]) + hexByte(block[7]);
    if (dateText) {
        const int year = block[8] | block[9] << 8;
        auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
        *dateText = QStringLiteral("%1-%2-%3 %4:%5")
                        .arg(year)
                        .arg(two(block[10]), two(block[11]), two(block[12]), two(block[13]));
    }
}

bool TBWriteRead::HexPairToByte(const QString &pair, quint8 *byte)
{
    if (pair.size() != 2)
        return false;
    qint64 value = 0;
    if (!HexToInt(pair, &value))
        return false;
    *byte = quint8(value);
    return true;
}

bool TBWriteRead::HexToInt(const QString &text, qint64 *value)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok, 16);
    if (ok)
        *value = v;
    return ok;
}

bool TBWriteRead::ContainsAny(const QString &text, const QString &characters)
{
    return std::any_of(text.begin(), text.end(), [&](QChar c) { return characters.contains(c); });
}
