#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "model/ChannelTable.h"
#include "model/TBWriteRead.h"
#include "model/ToneTables.h"
#include "settings/TFun.h"

#include <QtTest>

using CT = ChannelTable;

namespace {

Block blockOf(const QByteArray &hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    Block b;
    b.fill(0xFF);
    std::copy(bytes.begin(), bytes.end(), b.begin());
    return b;
}

QByteArray hexOf(const Block &b)
{
    return QByteArray(reinterpret_cast<const char *>(b.data()), 16).toHex(' ');
}

} // namespace

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void toneWords_data();
    void toneWords();
    void everyListedToneRoundTrips();
    void toneLists();
    void frequencyBytes_data();
    void frequencyBytes();
    void wholeChannelBlock();
    void channelWithoutTx();
    void notAChannel_data();
    void notAChannel();
    void settingsDefaults();
    void settingsDecodeAndValidate();
    void identity();
    void header();
    void messageParts();
    void flagBitmap();
    void encodeChannelRow();
    void encodeChannelRowRefusesBadCells_data();
    void encodeChannelRowRefusesBadCells();
};

void TestCodec::toneWords_data()
{
    QTest::addColumn<QString>("tone");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("none") << "" << 0xFF << 0xFF;
    QTest::newRow("D023N") << "D023N" << 0x23 << 0x80;
    QTest::newRow("D023I") << "D023I" << 0x23 << 0xC0;
    QTest::newRow("D754N") << "D754N" << 0x54 << 0x87;
    QTest::newRow("D754I") << "D754I" << 0x54 << 0xC7;
    QTest::newRow("67.0") << "67.0" << 0x70 << 0x06;
    QTest::newRow("100.0") << "100.0" << 0x00 << 0x10;
    QTest::newRow("250.3") << "250.3" << 0x03 << 0x25;
    QTest::newRow("254.1") << "254.1" << 0x41 << 0x25;
}

void TestCodec::toneWords()
{
    QFETCH(QString, tone);
    QFETCH(int, low);
    QFETCH(int, high);
    ToneWord w;
    QVERIFY(EncodeTone(tone, &w));
    QCOMPARE(int(w.low), low);
    QCOMPARE(int(w.high), high);
    QCOMPARE(DecodeTone(quint8(low), quint8(high)), tone);
}

void TestCodec::everyListedToneRoundTrips()
{
    for (const QString &tone : ToneList().mid(1)) {
        ToneWord w;
        QVERIFY2(EncodeTone(tone, &w), qPrintable(tone));
        QCOMPARE(DecodeTone(w.low, w.high), tone);
    }
    for (const QString &entry : TonePickerList()) {
        if (entry.isEmpty())
            continue;
        const QStringList parts = entry.split(u'-');
        const QStringList tones = parts[1].startsWith(u'D')
                                      ? QStringList{parts[1] + u'N', parts[1] + u'I'}
                                      : QStringList{parts[1]};
        for (const QString &tone : tones) {
            ToneWord w;
            QVERIFY2(EncodeTone(tone, &w), qPrintable(tone));
            QCOMPARE(DecodeTone(w.low, w.high), tone);
        }
    }
    // A lower-case polarity encodes like the upper-case one.
    ToneWord w;
    QVERIFY(EncodeTone("D023n", &w));
    QCOMPARE(int(w.high), 0x80);
    // Words that are no tone.
    QCOMPARE(DecodeTone(0x00, 0xA0), QString());
    QCOMPARE(DecodeTone(0x1F, 0x06), QString());
    QVERIFY(!EncodeTone("abc", &w));
}

void TestCodec::toneLists()
{
    const QStringList &list = ToneList();
    QCOMPARE(list.size(), 206);
    QCOMPARE(list[0], QStringLiteral("None"));
    QCOMPARE(list[39], QStringLiteral("250.3"));
    QCOMPARE(list[40], QStringLiteral("D023N"));
    QCOMPARE(list[122], QStringLiteral("D754N"));
    QCOMPARE(list[123], QStringLiteral("D023I"));
    QCOMPARE(list[205], QStringLiteral("D754I"));

    const QStringList &picker = TonePickerList();
    QCOMPARE(picker.size(), 133);
    QCOMPARE(picker[0], QStringLiteral("01-67.0-XZ"));
    QCOMPARE(picker[41], QStringLiteral("2A-254.1-0Z"));
    QVERIFY(picker[42].isEmpty() && picker[44].isEmpty());
    QCOMPARE(picker[45], QStringLiteral("1-D023"));
    QCOMPARE(picker[45 + 63], QStringLiteral("64-D525"));
    QCOMPARE(picker[45 + 73], QStringLiteral("74-D645"));
    QCOMPARE(picker[129], QStringLiteral("85-D754"));
    QVERIFY(picker[130].isEmpty() && picker[132].isEmpty());
}

void TestCodec::frequencyBytes_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("462.5625") << 462.5625 << QByteArray("50 62 25 46");
    QTest::newRow("467.5625") << 467.5625 << QByteArray("50 62 75 46");
    QTest::newRow("146.52") << 146.52 << QByteArray("00 20 65 14");
    QTest::newRow("0.00001") << 0.00001 << QByteArray("01 00 00 00");
}

void TestCodec::frequencyBytes()
{
    QFETCH(double, mhz);
    QFETCH(QByteArray, bytes);
    TBWriteRead::Channel c;
    c.rx = mhz;
    Block b;
    QVERIFY(TBWriteRead::EncodeChannel(b, c));
    QCOMPARE(hexOf(b).left(11), bytes);
    TBWriteRead::Channel back;
    QVERIFY(TBWriteRead::DecodeChannel(b, &back));
    QCOMPARE(back.rx, mhz);
}

void TestCodec::wholeChannelBlock()
{
    TBWriteRead::Channel c;
    c.rx = 462.5625;
    c.tx = 467.5625;
    c.encode = "D023N";
    c.power = 1;
    c.beatShift = 1;
    Block b;
    QVERIFY(TBWriteRead::EncodeChannel(b, c));
    QCOMPARE(hexOf(b), QByteArray("50 62 25 46 50 62 75 46 ff ff 23 80 0a ff ff ff"));
    TBWriteRead::Channel d;
    QVERIFY(TBWriteRead::DecodeChannel(b, &d));
    QCOMPARE(d.tx, 467.5625);
    QCOMPARE(d.decode, QString());
    QCOMPARE(d.encode, QStringLiteral("D023N"));
    QCOMPARE(d.power, 1);
    QCOMPARE(d.bandwidth, 0);
    QCOMPARE(d.scanAdd, 0);
    QCOMPARE(d.beatShift, 1);
    QCOMPARE(d.busyLockout, 0);

    // Every flag at its own bit.
    c = TBWriteRead::Channel{};
    c.rx = 1.0;
    c.scanAdd = 1;
    c.bandwidth = 1;
    c.busyLockout = 1;
    QVERIFY(TBWriteRead::EncodeChannel(b, c));
    QCOMPARE(int(b[12]), 0x15);
}

void TestCodec::channelWithoutTx()
{
    TBWriteRead::Channel c;
    c.rx = 462.5625;
    Block b;
    QVERIFY(TBWriteRead::EncodeChannel(b, c));
    QCOMPARE(hexOf(b).mid(12, 11), QByteArray("ff ff ff ff"));
    TBWriteRead::Channel d;
    QVERIFY(TBWriteRead::DecodeChannel(b, &d));
    QCOMPARE(d.tx, -1.0);

    // A frequency that does not fit eight digits is refused, not wrapped.
    c.rx = 1000.0;
    QString error;
    QVERIFY(!TBWriteRead::EncodeChannel(b, c, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(TBWriteRead::IsBlank(b));
}

void TestCodec::notAChannel_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("blank") << QByteArray("ffffffffffffffffffffffffffffffff");
    QTest::newRow("letter in RX digits") << QByteArray("0000a046");
    QTest::newRow("letter in low pair") << QByteArray("0b000046");
}

void TestCodec::notAChannel()
{
    QFETCH(QByteArray, hex);
    TBWriteRead::Channel c;
    c.rx = 123.0;
    QVERIFY(!TBWriteRead::DecodeChannel(blockOf(hex), &c));
    QCOMPARE(c.rx, 123.0);
}

void TestCodec::settingsDefaults()
{
    TFun fun;
    Block b;
    TBWriteRead::EncodeBasicSettings(b, fun);
    QCOMPARE(hexOf(b), QByteArray("03 05 01 06 ff ff ff ff ff ff ff ff ff ff ff ff"));
    TBWriteRead::EncodeExtendedSettings(b, fun);
    QCOMPARE(hexOf(b), QByteArray("01 01 00 00 04 00 01 01 00 01 ff ff ff ff ff ff"));
}

void TestCodec::settingsDecodeAndValidate()
{
    TFun fun;
    TBWriteRead::DecodeBasicSettings(blockOf("02ffffff"), fun);
    TBWriteRead::DecodeExtendedSettings(blockOf("ffffffffffffffffffff"), fun);
    QCOMPARE(fun.BatterySave, 1);
    QCOMPARE(fun.BeepTone, 0);
    QCOMPARE(fun.Squelch, 255);
    QCOMPARE(fun.VoxLevel, 255);
    fun.Validate();
    QCOMPARE(fun.Squelch, 5);
    QCOMPARE(fun.SideKey, 0);
    QCOMPARE(fun.TxTimeout, 6);
    QCOMPARE(fun.VoxLevel, 4);
    for (int v : {fun.Vox, fun.VoxInhibitOnReceive, fun.VoiceLanguage, fun.Scan, fun.VoicePrompt,
                  fun.HighVoltInhibitTx, fun.LowVoltInhibitTx, fun.InceptAlarm, fun.FmRadio})
        QCOMPARE(v, 1);
    fun.SideKey = 5;
    fun.Validate();
    QCOMPARE(fun.SideKey, 5);
}

void TestCodec::identity()
{
    Block b;
    TBWriteRead::EncodeIdentity(b, 0xF4, "5520");
    QCOMPARE(hexOf(b), QByteArray("00 00 f4 30 32 35 35 50 ff ff ff ff ff ff ff ff"));
    QString code;
    QCOMPARE(int(TBWriteRead::DecodeIdentity(b, &code)), 0xF4);
    QCOMPARE(code, QStringLiteral("5520"));
    TBWriteRead::EncodeIdentity(b, 0xF0, "55");
    QCOMPARE(hexOf(b).left(23), QByteArray("00 00 f0 20 20 35 35 50"));
    QVERIFY(TBWriteRead::DecodeIdentity(blockOf("0000f020202020"), &code) == 0xF0);
    QCOMPARE(code, QString());
}

void TestCodec::header()
{
    Block b;
    TBWriteRead::EncodeHeader(b, "P5520", "450470", "2008-03-15 14:30");
    QCOMPARE(hexOf(b), QByteArray("50 35 35 32 30 45 04 70 d8 07 03 0f 0e 1e ff ff"));
    QString model, band, date;
    TBWriteRead::DecodeHeader(b, &model, &band, &date);
    QCOMPARE(model, QStringLiteral("P5520"));
    QCOMPARE(band, QStringLiteral("450470"));
    QCOMPARE(date, QStringLiteral("2008-03-15 14:30"));
    TBWriteRead::EncodeHeader(b, "P5510", "027072", "2026-01-02 03:04");
    QCOMPARE(hexOf(b).mid(15, 8), QByteArray("02 70 72"));
}

void TestCodec::messageParts()
{
    Block b;
    TBWriteRead::EncodeMessagePart(b, "HELLO");
    QCOMPARE(hexOf(b), QByteArray("48 45 4c 4c 4f ff ff ff ff ff ff ff ff ff ff ff"));
    QCOMPARE(TBWriteRead::DecodeMessagePart(b), QStringLiteral("HELLO"));
    QCOMPARE(TBWriteRead::DecodeMessagePart(blockOf("4142ff43")), QStringLiteral("ABC"));
    TBWriteRead::EncodeMessagePart(b, "0123456789ABCDEFGH");
    QCOMPARE(TBWriteRead::DecodeMessagePart(b), QStringLiteral("0123456789ABCDEF"));
    TBWriteRead::FillBlank(b);
    QCOMPARE(TBWriteRead::DecodeMessagePart(b), QString());
}

void TestCodec::flagBitmap()
{
    Block b;
    TBWriteRead::EncodeFlagBitmap(b, "11010000");
    QCOMPARE(int(b[0]), 0x0B);
    TBWriteRead::EncodeFlagBitmap(b, "1");
    QCOMPARE(hexOf(b), QByteArray("01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    TBWriteRead::EncodeFlagBitmap(b, QString(127, u'0') + "1" + "1111");
    QCOMPARE(int(b[15]), 0x80);
}

void TestCodec::encodeChannelRow()
{
    ProgramFixture fixture;
    CT table;
    table.ResetRows(16);
    table.setForeDirect(2, CT::ColRx, " 462.56250 ");
    table.SetChannelUsed(2);
    table.setForeDirect(2, CT::ColTx, "467.56250");
    table.setForeDirect(2, CT::ColEncode, "D023N");
    table.setBack(2, CT::ColScanAdd, "0");
    table.setBack(2, CT::ColBusyLockout, "0");
    table.setForeDirect(3, CT::ColRx, "146.52000");
    table.SetChannelUsed(3);
    table.setForeDirect(3, CT::ColTx, "");

    QString used, scan;
    Block b;
    QVERIFY(table.EncodeChannelRow(2, &b, &used, &scan));
    QCOMPARE(hexOf(b), QByteArray("50 62 25 46 50 62 75 46 ff ff 23 80 0a ff ff ff"));
    QVERIFY(table.EncodeChannelRow(3, &b, &used, &scan));
    QCOMPARE(hexOf(b).mid(12, 11), QByteArray("ff ff ff ff"));
    QVERIFY(table.EncodeChannelRow(4, &b, &used, &scan));
    QVERIFY(TBWriteRead::IsBlank(b));
    QCOMPARE(used, QStringLiteral("110"));
    QCOMPARE(scan, QStringLiteral("010"));
}

void TestCodec::encodeChannelRowRefusesBadCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("back");
    QTest::newRow("RX") << int(CT::ColRx) << "abc" << false;
    QTest::newRow("TX") << int(CT::ColTx) << "4.6.0" << false;
    QTest::newRow("tone") << int(CT::ColDecode) << "Q12" << false;
    QTest::newRow("list value") << int(CT::ColPower) << "" << true;
}

void TestCodec::encodeChannelRowRefusesBadCells()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, back);
    CT table;
    table.ResetRows(16);
    table.setForeDirect(2, CT::ColRx, "460.00000");
    table.SetChannelUsed(2);
    if (back)
        table.setBack(2, column, text);
    else
        table.setForeDirect(2, column, text);
    QString used, scan, error;
    Block b;
    QVERIFY(!table.EncodeChannelRow(2, &b, &used, &scan, &error));
    QVERIFY(error.startsWith("Channel 1:"));
}

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
