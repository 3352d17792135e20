#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/SysInfo.h"
#include "app/TALL.h"
#include "lang/IniFile.h"

#include <QtTest>

class TestSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void missingFileTakesDefaults();
    void languagePick_data();
    void languagePick();
    void pictureIdRoundTrip_data();
    void pictureIdRoundTrip();
    void saveWritesOnlyThreeKeysAndKeepsTheRest();
    void saveCreatesFileWithThreeKeys();
};

void TestSysInfo::missingFileTakesDefaults()
{
    ProgramFixture fixture;
    LoadSysInfo();
    const TALL &all = All();
    QCOMPARE(all.PortName, QStringLiteral("Com1"));
    QCOMPARE(all.LanguageIndex, 0);
    QCOMPARE(all.LanguageName, QStringLiteral("Chinese"));
    QCOMPARE(all.HelpPrefix, QStringLiteral("VX"));
    QCOMPARE(all.PictureId, 1);
}

void TestSysInfo::languagePick_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    QTest::newRow("index 1 selects English")
        << QByteArray("[SysInfo]\nDefaultLanguage=1\nLanguage=Chinese|English\n") << 1 << "English";
    QTest::newRow("index past the list")
        << QByteArray("[SysInfo]\nDefaultLanguage=2\nLanguage=Chinese|English\n") << 2 << "";
    QTest::newRow("not a number gives 0")
        << QByteArray("[SysInfo]\nDefaultLanguage=x\n") << 0 << "Chinese";
    QTest::newRow("negative takes nothing")
        << QByteArray("[SysInfo]\nDefaultLanguage=-1\n") << -1 << "";
    QTest::newRow("single entry") << QByteArray("[SysInfo]\nLanguage=English\n") << 0 << "English";
    QTest::newRow("case-insensitive names")
        << QByteArray("[sysinfo]\ndefaultlanguage=1\n") << 1 << "English";
    QTest::newRow("empty list") << QByteArray("[SysInfo]\nLanguage=\n") << 0 << "";
}

void TestSysInfo::languagePick()
{
    QFETCH(QByteArray, content);
    QFETCH(int, index);
    QFETCH(QString, name);
    ProgramFixture fixture;
    fixture.writeFile("SysInfo.Ini", content);
    LoadSysInfo();
    QCOMPARE(All().LanguageIndex, index);
    QCOMPARE(All().LanguageName, name);
}

void TestSysInfo::pictureIdRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written");
    QTest::newRow("7") << "7"
                       << "7";
    QTest::newRow("abc") << "abc"
                         << "0";
    QTest::newRow("-3") << "-3"
                        << "-3";
}

void TestSysInfo::pictureIdRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(QString, written);
    ProgramFixture fixture;
    fixture.writeFile("SysInfo.Ini", "[SysInfo]\nPicID=" + stored.toUtf8() + "\n");
    LoadSysInfo();
    QVERIFY(SaveSysInfo());
    QCOMPARE(IniFile(fixture.path("SysInfo.Ini")).value("SysInfo", "PicID"), written);
}

void TestSysInfo::saveWritesOnlyThreeKeysAndKeepsTheRest()
{
    ProgramFixture fixture;
    fixture.writeFile("SysInfo.Ini", "; dealer settings\n[SysInfo]\nCom=com3\nDefaultLanguage=x\n"
                                     "Help=AB\nLanguage=Chinese|English\nChinese=中文|英文\n"
                                     "[Mine]\nkeep=yes\n");
    LoadSysInfo();
    All().PortName = QStringLiteral("COM3");
    QVERIFY(SaveSysInfo());
    const IniFile ini(fixture.path("SysInfo.Ini"));
    QCOMPARE(ini.value("SysInfo", "Com"), QStringLiteral("COM3"));
    QCOMPARE(ini.value("SysInfo", "DefaultLanguage"), QStringLiteral("0"));
    QCOMPARE(ini.value("SysInfo", "PicID"), QStringLiteral("0"));
    QCOMPARE(ini.value("SysInfo", "Help"), QStringLiteral("AB"));
    QCOMPARE(ini.value("SysInfo", "Chinese"), QString::fromUtf8("中文|英文"));
    QCOMPARE(ini.value("Mine", "keep"), QStringLiteral("yes"));
    QVERIFY(fixture.readFile("SysInfo.Ini").startsWith("; dealer settings"));
}

void TestSysInfo::saveCreatesFileWithThreeKeys()
{
    ProgramFixture fixture;
    LoadSysInfo();
    QVERIFY(SaveSysInfo());
    QCOMPARE(fixture.readFile("SysInfo.Ini"),
             QByteArray("[SysInfo]\r\nCom=Com1\r\nDefaultLanguage=0\r\nPicID=0\r\n"));
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
