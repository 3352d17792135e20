#include "lang/IniFile.h"

#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void byteOrderMarkAndLineEnds();
    void binaryContentGivesDefaults();
    void writeKeepsEverythingElse();
    void writeCreatesMissingSectionAndFile();
    void saveFailureIsReported();
};

void TestIniFile::lookup_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray file = "[SysInfo]\n"
                            "Com=COM3\n"
                            "  Spaced  =   value with blanks   \n"
                            "Quoted=\"Model Type: \"\n"
                            "Single='x'\n"
                            "Half=\"open\n"
                            "Empty=\n"
                            "Dup=first\n"
                            "Dup=second\n"
                            "; comment=not a key\n"
                            "[Other]\n"
                            "Com=other\n";
    QTest::newRow("exact") << file << "SysInfo"
                           << "Com"
                           << "COM3";
    QTest::newRow("case of section and key") << file << "SYSINFO"
                                             << "com"
                                             << "COM3";
    QTest::newRow("blanks around key and value") << file << "SysInfo"
                                                 << "spaced"
                                                 << "value with blanks";
    QTest::newRow("double quotes keep trailing blank") << file << "SysInfo"
                                                       << "Quoted"
                                                       << "Model Type: ";
    QTest::newRow("single quotes") << file << "SysInfo"
                                   << "Single"
                                   << "x";
    QTest::newRow("unbalanced quote kept") << file << "SysInfo"
                                           << "Half"
                                           << "\"open";
    QTest::newRow("present empty value is empty") << file << "SysInfo"
                                                  << "Empty"
                                                  << "";
    QTest::newRow("absent key gives default") << file << "SysInfo"
                                              << "Missing"
                                              << "<default>";
    QTest::newRow("absent section gives default") << file << "Nowhere"
                                                  << "Com"
                                                  << "<default>";
    QTest::newRow("first of duplicates") << file << "SysInfo"
                                         << "Dup"
                                         << "first";
    QTest::newRow("comment is no key") << file << "SysInfo"
                                       << "; comment"
                                       << "<default>";
    QTest::newRow("key in its own section only") << file << "Other"
                                                 << "Com"
                                                 << "other";
    QTest::newRow("UTF-8 value") << QByteArray("[Language]\nConfirmation=提示\n") << "Language"
                                 << "Confirmation" << QString::fromUtf8("提示");
}

void TestIniFile::lookup()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    IniFile ini;
    ini.parse(content);
    QCOMPARE(ini.value(section, key, QStringLiteral("<default>")), expected);
}

void TestIniFile::byteOrderMarkAndLineEnds()
{
    IniFile ini;
    ini.parse("\xEF\xBB\xBF[A]\r\nx=1\ry=2\r\n");
    QCOMPARE(ini.value("a", "x"), QStringLiteral("1"));
    QCOMPARE(ini.value("a", "y"), QStringLiteral("2"));

    // Marks left by several editors in turn; found by fuzzing: the section was
    // missed, written again at the end, and read back from the old one.
    IniFile twice;
    twice.parse("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[SysInfo]\r\nCom=COM1\r\n");
    QCOMPARE(twice.value("SysInfo", "Com"), QStringLiteral("COM1"));
    twice.setValue("SysInfo", "Com", "COM3");
    IniFile again;
    again.parse(twice.toBytes());
    QCOMPARE(again.value("SysInfo", "Com"), QStringLiteral("COM3"));
}

void TestIniFile::binaryContentGivesDefaults()
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 131 + 7) & 0xFF));
    IniFile ini;
    ini.parse(junk);
    QCOMPARE(ini.value("SysInfo", "Com", "Com1"), QStringLiteral("Com1"));

    IniFile missing(QStringLiteral("/nonexistent/folder/SysInfo.Ini"));
    QCOMPARE(missing.value("SysInfo", "Com", "Com1"), QStringLiteral("Com1"));
}

void TestIniFile::writeKeepsEverythingElse()
{
    IniFile ini;
    ini.parse("; settings\n[SysInfo]\nCOM=Com9\nHelp=XY\n\n[Extra]\nkeep=1\n");
    ini.setValue("SysInfo", "Com", "COM1");
    ini.setValue("SysInfo", "PicID", "0");
    QCOMPARE(QString::fromUtf8(ini.toBytes()),
             QStringLiteral("; settings\r\n[SysInfo]\r\nCom=COM1\r\nHelp=XY\r\nPicID=0\r\n\r\n"
                            "[Extra]\r\nkeep=1\r\n"));
}

void TestIniFile::writeCreatesMissingSectionAndFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("SysInfo.Ini");
    IniFile ini(path);
    ini.setValue("SysInfo", "Com", "COM1");
    QVERIFY(ini.save(path));
    const IniFile reread(path);
    QCOMPARE(reread.value("sysinfo", "COM"), QStringLiteral("COM1"));
}

void TestIniFile::saveFailureIsReported()
{
    QTemporaryDir dir;
    IniFile ini;
    ini.setValue("SysInfo", "Com", "COM5");
    QString error;
    QVERIFY(!ini.save(dir.filePath("missing-folder/SysInfo.Ini"), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
