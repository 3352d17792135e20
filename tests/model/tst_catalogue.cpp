#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "model/Catalogue.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"

#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void modelTable();
    void lookups();
    void bandCodes_data();
    void bandCodes();
    void parseBandLabel_data();
    void parseBandLabel();
    void selectModelAndBand();
};

void TestCatalogue::modelTable()
{
    ProgramFixture fixture;
    QCOMPARE(MacList().Count(), 2);
    const TMacType *uhf = MacList().Items(0);
    QCOMPARE(uhf->Code, QStringLiteral("5520"));
    QCOMPARE(uhf->DisplayName, QStringLiteral("Veltrax(UHF)"));
    QCOMPARE(uhf->ChannelCount, 16);
    QCOMPARE(uhf->GapBlocks, 39);
    QCOMPARE(uhf->Bands.size(), 9);
    QCOMPARE(uhf->DefaultBand, QStringLiteral("450 - 470MHz"));
    const TMacType *vhf = MacList().Items(1);
    QCOMPARE(vhf->DisplayName, QStringLiteral("Veltrax(VHF)"));
    QCOMPARE(vhf->MaxFrequency, 300.0);
    QCOMPARE(vhf->MinFrequency, 67.0);
    QCOMPARE(vhf->Bands,
             QStringList({"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}));
    QCOMPARE(All().ProductName, QStringLiteral("Veltrax"));
    QCOMPARE(FrqList().Count(), 14);
}

void TestCatalogue::lookups()
{
    ProgramFixture fixture;
    QVERIFY(MacList().Items(2) == nullptr);
    QVERIFY(MacList().Items(-1) == nullptr);
    QCOMPARE(MacList().FindByCode("5510"), MacList().Items(1));
    QVERIFY(MacList().FindByCode("5520 ") == nullptr);
    QCOMPARE(MacList().FindByName("Veltrax(UHF)"), MacList().Items(0));
    QVERIFY(MacList().FindByName("veltrax(uhf)") == nullptr);
    QStringList names{"old"};
    MacList().GetNames(&names);
    QCOMPARE(names, QStringList({"Veltrax(UHF)", "Veltrax(VHF)"}));
}

void TestCatalogue::bandCodes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("code");
    QTest::newRow("450-470") << "450 - 470MHz" << 0xF4;
    QTest::newRow("150-174") << "150 - 174MHz" << 0xF0;
    QTest::newRow("27-72") << " 27 -  72MHz" << 0xFD;
    QTest::newRow("470-650") << "470 - 650MHz" << 0xF6;
}

void TestCatalogue::bandCodes()
{
    QFETCH(QString, label);
    QFETCH(int, code);
    ProgramFixture fixture;
    QCOMPARE(int(FrqList().CodeOf(label)), code);
    QCOMPARE(FrqList().LabelOf(quint8(code)), label);
    // Fallbacks: entry 0 of the band table.
    QCOMPARE(int(FrqList().CodeOf("999 - 999MHz")), 253);
    QCOMPARE(FrqList().LabelOf(0x00), QStringLiteral(" 27 -  72MHz"));
}

void TestCatalogue::parseBandLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("leading and double blanks") << " 27 -  72MHz" << 27.0 << 72.0;
    QTest::newRow("UHF") << "450 - 470MHz" << 450.0 << 470.0;
    QTest::newRow("garbage") << "abc" << 0.0 << 0.0;
}

void TestCatalogue::parseBandLabel()
{
    QFETCH(QString, label);
    QFETCH(double, low);
    QFETCH(double, high);
    double l = -1, h = -1;
    ParseBandLabel(label, &l, &h);
    QCOMPARE(l, low);
    QCOMPARE(h, high);
}

void TestCatalogue::selectModelAndBand()
{
    ProgramFixture fixture;
    SelectModel(MacList().FindByCode("5510"));
    SelectBand("136 - 174MHz");
    const TALL &all = All();
    QCOMPARE(all.ModelCode, QStringLiteral("5510"));
    QCOMPARE(all.ModelName, QStringLiteral("Veltrax(VHF)"));
    QCOMPARE(all.ModelMaxFrequency, 300.0);
    QCOMPARE(all.ModelMinFrequency, 67.0);
    QCOMPARE(all.ChannelCount, 16);
    QCOMPARE(all.CurrentModel, MacList().Items(1));
    QCOMPARE(all.BandLow, 136.0);
    QCOMPARE(all.BandHigh, 174.0);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
