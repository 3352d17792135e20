#pragma once

#include <QString>

#include <array>

class TFun;

// One 16-byte block of the radio's memory (or one record of a data file).
using Block = std::array<quint8, 16>;

// The memory image codec: converts between 16-byte blocks and the program's
// data. It holds no state; every encoder first fills the block with 0xFF.
class TBWriteRead
{
public:
    // A channel as a channel block holds it. TX is -1.0 when the channel has
    // none; an empty tone text is no tone; the five flags are item indices.
    struct Channel
    {
        double rx = 0.0;
        double tx = -1.0;
        QString decode;
        QString encode;
        int power = 0;
        int bandwidth = 0;
        int scanAdd = 0;
        int beatShift = 0;
        int busyLockout = 0;
    };

    static void FillBlank(Block &block);
    static bool IsBlank(const Block &block);

    // Channel blocks hold BCD frequencies in 10 Hz units, low pair first, the
    // two tone words low byte first and the flags in byte 12. False when a
    // value does not fit the block (the block is then blank).
    static bool EncodeChannel(Block &block, const Channel &channel, QString *error = nullptr);
    // False when the RX digits are not all decimal: the block holds no channel.
    static bool DecodeChannel(const Block &block, Channel *channel);

    static void EncodeBasicSettings(Block &block, const TFun &fun);
    static void DecodeBasicSettings(const Block &block, TFun &fun);
    static void EncodeExtendedSettings(Block &block, const TFun &fun);
    static void DecodeExtendedSettings(const Block &block, TFun &fun);

    // Identity: 00 00, the band code, the model code reversed, "P".
    static void EncodeIdentity(Block &block, quint8 bandCode, const QString &modelCode);
    static quint8 DecodeIdentity(const Block &block, QString *modelCode);

    static void EncodeMessagePart(Block &block, const QString &text);
    static QString DecodeMessagePart(const Block &block);

    // 128 one-bit flags from a text of "1" and "0"; the block starts as 0x00.
    static void EncodeFlagBitmap(Block &block, const QString &flags);

    // The header record of a data file: model text, band digits, save date.
    static void EncodeHeader(Block &block, const QString &modelText, const QString &bandText,
                             const QString &dateText);
    static void DecodeHeader(const Block &block, QString *modelText, QString *bandText,
                             QString *dateText);

    static bool HexPairToByte(const QString &pair, quint8 *byte);
    static bool HexToInt(const QString &text, qint64 *value);
    static bool ContainsAny(const QString &text, const QString &characters);
};
