#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "edit/ChannelTableModel.h"
#include "model/ChannelTable.h"
#include "model/ChannelText.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using CT = ChannelTable;

class TestChannelTable : public QObject
{
    Q_OBJECT

private slots:
    void snapFrequency_data();
    void snapFrequency();
    void normalizeTone_data();
    void normalizeTone();
    void formatFrequencyIgnoresLocale();
    void resetRowsBuildsEmptyRows();
    void setChannelUsedFillsDefaults();
    void setChannelUsedKeepsTx();
    void clearChannelEmptiesRow();
    void loadFromStaging();
    void retextAfterLanguageChange();
    void viewModel();
};

void TestChannelTable::snapFrequency_data()
{
    QTest::addColumn<double>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("on 6.25 raster") << 446.00625 << "446.00625";
    QTest::newRow("whole kHz to 5 kHz") << 446.007 << "446.00500";
    QTest::newRow("down to 6.25") << 446.0031 << "446.00000";
    QTest::newRow("6.25 step") << 446.0075 << "446.00625";
    QTest::newRow("12.5 stays") << 446.0125 << "446.01250";
    QTest::newRow("VHF") << 146.5123 << "146.50625";
    QTest::newRow("2.5 kHz not kept") << 136.0025 << "136.00000";
    QTest::newRow("zero") << 0.0 << "0.00000";
}

void TestChannelTable::snapFrequency()
{
    QFETCH(double, in);
    QFETCH(QString, out);
    QCOMPARE(FormatFrequency(SnapFrequency(in)), out);
}

void TestChannelTable::normalizeTone_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("67") << "67"
                        << "67.0";
    QTest::newRow("88.54") << "88.54"
                           << "88.5";
    QTest::newRow("below 30") << "12"
                              << "30.0";
    QTest::newRow("above 290") << "300"
                               << "290.0";
    QTest::newRow("not a number") << "1.2.3"
                                  << "290.0";
    QTest::newRow("DCS") << "D023N"
                         << "D023N";
    QTest::newRow("lower-case polarity kept") << "D023n"
                                              << "D023n";
    QTest::newRow("inverted") << "D754I"
                              << "D754I";
    QTest::newRow("non-octal") << "D089N"
                               << "D777N";
    QTest::newRow("lower-case d") << "d023N"
                                  << "D777N";
    QTest::newRow("short code") << "D23N"
                                << "D777N";
    QTest::newRow("letter only") << "N"
                                 << "D777N";
}

void TestChannelTable::normalizeTone()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(NormalizeTone(in), out);
}

void TestChannelTable::formatFrequencyIgnoresLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(FormatFrequency(446.00625), QStringLiteral("446.00625"));
    double v = 0;
    QVERIFY(ParseDecimal("446.5", &v));
    QCOMPARE(v, 446.5);
    QVERIFY(!ParseDecimal("446,5", &v));
    QVERIFY(!ParseDecimal("", &v));
    QVERIFY(!ParseDecimal("nan", &v));
    QLocale::setDefault(previous);
}

void TestChannelTable::resetRowsBuildsEmptyRows()
{
    CT table;
    table.ResetRows(16);
    QCOMPARE(table.rowCount(), 18);
    QCOMPARE(table.channelCount(), 16);
    QCOMPARE(table.fore(2, CT::ColNumber), QStringLiteral("1"));
    QCOMPARE(table.fore(17, CT::ColNumber), QStringLiteral("16"));
    for (int c = 0; c < CT::ColumnCount; ++c)
        QCOMPARE(table.isReadOnly(5, c), c != CT::ColRx);

    // Same N: contents cleared, numbers stay, the TX column read-only again.
    table.setForeDirect(5, CT::ColRx, "460.00000");
    table.setBack(5, CT::ColNumber, "1");
    table.setReadOnly(5, CT::ColTx, false);
    table.ResetRows(16);
    QCOMPARE(table.fore(5, CT::ColRx), QString());
    QCOMPARE(table.back(5, CT::ColNumber), QString());
    QVERIFY(table.isReadOnly(5, CT::ColTx));
    QCOMPARE(table.fore(5, CT::ColNumber), QStringLiteral("4"));

    table.ResetRows(8);
    QCOMPARE(table.rowCount(), 10);
}

void TestChannelTable::setChannelUsedFillsDefaults()
{
    CT table;
    table.ResetRows(16);
    QSignalSpy events(&table, &CT::foreTextSet);
    table.setForeDirect(2, CT::ColRx, "446.00625");
    table.SetChannelUsed(2);

    const QStringList fore{"446.00625", "446.00625", "None", "None", "High",
                           "Wide",      "No",        "No",   "No"};
    const QStringList back{"", "", "0", "0", "1", "0", "1", "1", "1"};
    for (int c = CT::ColRx; c <= CT::ColBusyLockout; ++c) {
        QCOMPARE(table.fore(2, c), fore[c - CT::ColRx]);
        QCOMPARE(table.back(2, c), back[c - CT::ColRx]);
    }
    QVERIFY(table.hasUsedMarker(2));
    QVERIFY(!table.isReadOnly(2, CT::ColTx));
    // Tones and list columns go through the set-text path, TX := RX does not.
    QCOMPARE(events.size(), 7);
    QCOMPARE(events.first().at(1).toInt(), int(CT::ColDecode));
}

void TestChannelTable::setChannelUsedKeepsTx()
{
    CT table;
    table.ResetRows(16);
    table.setForeDirect(3, CT::ColRx, "446.00625");
    table.setForeDirect(3, CT::ColTx, "450.00000");
    table.SetChannelUsed(3);
    QCOMPARE(table.fore(3, CT::ColTx), QStringLiteral("450.00000"));
}

void TestChannelTable::clearChannelEmptiesRow()
{
    CT table;
    table.ResetRows(16);
    table.setForeDirect(4, CT::ColRx, "446.00625");
    table.SetChannelUsed(4);
    table.ClearChannel(4);
    for (int c = CT::ColRx; c <= CT::ColBusyLockout; ++c) {
        QVERIFY(table.fore(4, c).isEmpty());
        QVERIFY(table.back(4, c).isEmpty());
    }
    QVERIFY(!table.hasUsedMarker(4));
    QVERIFY(table.isReadOnly(4, CT::ColTx));
    QCOMPARE(table.fore(4, CT::ColNumber), QStringLiteral("3"));
}

void TestChannelTable::loadFromStaging()
{
    TextGrid staging;
    ResetStaging(&staging, 16);
    QCOMPARE(staging.columnCount(), 12);
    // Channel 1 with everything, channel 3 without TX or tones; channel 2 empty.
    staging.setFore(2, CT::ColRx, "462.56250");
    staging.setFore(2, CT::ColTx, "467.56250");
    staging.setFore(2, CT::ColEncode, "D023N");
    const char *flags1[] = {"1", "0", "0", "1", "0"};
    for (int c = CT::ColPower; c <= CT::ColBusyLockout; ++c)
        staging.setBack(2, c, flags1[c - CT::ColPower]);
    staging.setFore(4, CT::ColRx, "146.52000");
    for (int c = CT::ColPower; c <= CT::ColBusyLockout; ++c)
        staging.setBack(4, c, "1");

    CT table;
    table.ResetRows(16);
    QSignalSpy events(&table, &CT::foreTextSet);
    table.LoadFromStaging(staging);

    QCOMPARE(table.fore(2, CT::ColTx), QStringLiteral("467.56250"));
    QCOMPARE(table.fore(2, CT::ColDecode), QStringLiteral("None"));
    QCOMPARE(table.fore(2, CT::ColEncode), QStringLiteral("D023N"));
    QCOMPARE(table.fore(2, CT::ColPower), QStringLiteral("High"));
    QCOMPARE(table.fore(2, CT::ColBandwidth), QStringLiteral("Wide"));
    QCOMPARE(table.fore(2, CT::ColScanAdd), QStringLiteral("Yes"));
    QCOMPARE(table.fore(2, CT::ColBeatShift), QStringLiteral("No"));
    QCOMPARE(table.back(2, CT::ColBeatShift), QStringLiteral("1"));
    QVERIFY(table.hasUsedMarker(2));
    QVERIFY(!table.isUsed(3));
    QVERIFY(!table.hasUsedMarker(3));
    QVERIFY(table.isReadOnly(3, CT::ColTx));
    // No TX frequency: empty cell, but an editable one.
    QCOMPARE(table.fore(4, CT::ColTx), QString());
    QVERIFY(!table.isReadOnly(4, CT::ColTx));
    QCOMPARE(table.fore(4, CT::ColBandwidth), QStringLiteral("Narrow"));
    // Tones and lists go through the set-text path: 7 cells for each of two channels.
    QCOMPARE(events.size(), 14);
}

void TestChannelTable::retextAfterLanguageChange()
{
    CT table;
    table.ResetRows(16);
    table.setForeDirect(2, CT::ColRx, "446.00625");
    table.SetChannelUsed(2);
    table.setForeDirect(2, CT::ColEncode, "67.0");

    CT::ItemTexts chinese;
    chinese.none = QString::fromUtf8("无");
    chinese.power = QStringList{QString::fromUtf8("低"), QString::fromUtf8("高")};
    chinese.bandwidth = QStringList{QString::fromUtf8("宽"), QString::fromUtf8("窄")};
    chinese.yesNo = QStringList{QString::fromUtf8("是"), QString::fromUtf8("否")};
    table.setItemTexts(chinese);
    table.RetextRows(QStringLiteral("None"));

    QCOMPARE(table.fore(2, CT::ColDecode), QString::fromUtf8("无"));
    QCOMPARE(table.fore(2, CT::ColEncode), QStringLiteral("67.0"));
    QCOMPARE(table.fore(2, CT::ColPower), QString::fromUtf8("高"));
    QCOMPARE(table.fore(2, CT::ColScanAdd), QString::fromUtf8("否"));
    QCOMPARE(table.back(2, CT::ColPower), QStringLiteral("1"));
    QCOMPARE(table.back(2, CT::ColScanAdd), QStringLiteral("1"));
    QVERIFY(table.fore(3, CT::ColPower).isEmpty());
}

void TestChannelTable::viewModel()
{
    CT table;
    ChannelTableModel model(&table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    table.ResetRows(16);
    QCOMPARE(model.rowCount(), 16);
    QCOMPARE(model.columnCount(), 10);
    table.setHeaders({"Channel No.", "RX Frequency"});
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("RX Frequency"));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, 2), "1.0"));
    QVERIFY(model.setData(model.index(0, 1), "446.00625"));
    QCOMPARE(table.fore(2, CT::ColRx), QStringLiteral("446.00625"));
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("446.00625"));
    QVERIFY(!changed.isEmpty());

    table.ResetRows(8);
    QCOMPARE(model.rowCount(), 8);
}

QTEST_MAIN(TestChannelTable)
#include "tst_channeltable.moc"
