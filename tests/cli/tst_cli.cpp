#include "link/LinkFixture.h"

#include "app/DataFile.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "model/ChannelTable.h"
#include "settings/TEnMsg.h"
#include "sim/SimulatedRadio.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

Result cli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(VELTRAX_CLI), args);
    // The radio runs in this process: keep its thread serving while waiting.
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(50) && clock.elapsed() < 60000)
        QCoreApplication::processEvents();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray withoutDate(QByteArray file)
{
    file.replace(8, 6, QByteArray(6, '\0'));
    return file;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void usageAndHelp();
    void readBothModels_data();
    void readBothModels();
    void writeBothModels_data();
    void writeBothModels();
    void otherModelNeedsForce();
    void verifyFindsDifference();
    void radioFailures();
    void dumpEveryKindOfTone();
    void csvRoundTrip();
    void csvWithBadRowsWritesNothing();
    void reportAsPdf();

private:
    QString saveSample(const QString &code, const QString &band, const QString &name);
    std::unique_ptr<ProgramFixture> m_fixture;
};

void TestCli::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
}

void TestCli::cleanup()
{
    m_fixture.reset();
}

QString TestCli::saveSample(const QString &code, const QString &band, const QString &name)
{
    m_fixture->selectModel(code, band);
    FillSampleDocument();
    const QString path = m_fixture->path(name);
    if (!SaveDataFile(path, Channels(), nullptr))
        qFatal("cannot save the sample");
    return path;
}

void TestCli::usageAndHelp()
{
    QCOMPARE(cli({}).status, 2);
    QCOMPARE(cli({"frobnicate"}).status, 2);
    for (const char *verb :
         {"ports", "read", "write", "dump", "export-csv", "import-csv", "report", "simulate"}) {
        const Result help = cli({verb, "--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("--help"));
    }
    QCOMPARE(cli({"read", "--output", "x.dat"}).status, 2);
    QCOMPARE(cli({"dump"}).status, 2);
    const Result missing = cli({"dump", m_fixture->path("missing.dat")});
    QCOMPARE(missing.status, 1);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(!missing.err.isEmpty());
    QCOMPARE(cli({"ports"}).status, 0);
}

void TestCli::readBothModels_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("band");
    QTest::newRow("UHF") << "5520"
                         << "400 - 470MHz";
    QTest::newRow("VHF") << "5510"
                         << "136 - 174MHz";
}

void TestCli::readBothModels()
{
    QFETCH(QString, code);
    QFETCH(QString, band);
    const QString source = saveSample(code, band, "source.dat");
    const QByteArray file = m_fixture->readFile("source.dat");
    SimulatedRadio radio(RadioImageFromDataFile(file));
    SimulatedRadio::Behaviour b;
    b.identCode = code;
    radio.setBehaviour(b);
    QVERIFY(radio.start());
    const Result r =
        cli({"read", "--port", radio.devicePath(), "--output", m_fixture->path("read.dat")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.contains("progress 22/22"));
    QCOMPARE(withoutDate(m_fixture->readFile("read.dat")).toHex(), withoutDate(file).toHex());
}

void TestCli::writeBothModels_data()
{
    readBothModels_data();
}

void TestCli::writeBothModels()
{
    QFETCH(QString, code);
    QFETCH(QString, band);
    const QString source = saveSample(code, band, "source.dat");
    SimulatedRadio radio;
    SimulatedRadio::Behaviour b;
    b.identCode = code;
    radio.setBehaviour(b);
    QVERIFY(radio.start());
    const Result r = cli({"write", "--port", radio.devicePath(), "--input", source, "--verify"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.contains("verified 23 blocks"));
    const QByteArray expected = RadioImageFromDataFile(m_fixture->readFile("source.dat"));
    QCOMPARE(radio.image().toHex(), expected.toHex());
}

void TestCli::otherModelNeedsForce()
{
    const QString source = saveSample("5520", "450 - 470MHz", "source.dat");
    SimulatedRadio radio;
    SimulatedRadio::Behaviour b;
    b.identCode = "5510";
    radio.setBehaviour(b);
    QVERIFY(radio.start());
    const Result refused = cli({"write", "--port", radio.devicePath(), "--input", source});
    QCOMPARE(refused.status, 5);
    QVERIFY(refused.err.contains("--force"));
    QCOMPARE(radio.writeRequests(), 0);
    const Result forced =
        cli({"write", "--port", radio.devicePath(), "--input", source, "--force"});
    QCOMPARE(forced.status, 0);
    QCOMPARE(radio.image().mid(0x3D3, 5), QByteArray("0255P"));

    b.identCode = "ABCD";
    radio.setBehaviour(b);
    QCOMPARE(
        cli({"read", "--port", radio.devicePath(), "--output", m_fixture->path("x.dat")}).status,
        5);
    QVERIFY(!QFile::exists(m_fixture->path("x.dat")));
}

void TestCli::verifyFindsDifference()
{
    const QString source = saveSample("5520", "450 - 470MHz", "source.dat");
    SimulatedRadio radio;
    SimulatedRadio::Behaviour b;
    b.stuckBlock = 0x380;
    radio.setBehaviour(b);
    QVERIFY(radio.start());
    const Result r = cli({"write", "--port", radio.devicePath(), "--input", source, "--verify"});
    QCOMPARE(r.status, 6);
    QVERIFY(r.err.contains("block 0x0380 differs"));
    QCOMPARE(r.err.count("differs"), 1);
}

void TestCli::radioFailures()
{
    const Result noPort =
        cli({"read", "--port", "/dev/does-not-exist", "--output", m_fixture->path("x.dat")});
    QCOMPARE(noPort.status, 3);
    QVERIFY(noPort.err.contains("cannot open port"));

    SimulatedRadio radio;
    SimulatedRadio::Behaviour b;
    b.answerRequests = 10;
    radio.setBehaviour(b);
    QVERIFY(radio.start());
    const Result silent =
        cli({"read", "--port", radio.devicePath(), "--output", m_fixture->path("x.dat")});
    QCOMPARE(silent.status, 4);
    QVERIFY(!QFile::exists(m_fixture->path("x.dat")));
}

void TestCli::dumpEveryKindOfTone()
{
    const QString source = saveSample("5520", "450 - 470MHz", "source.dat");
    const Result r = cli({"dump", source});
    QCOMPARE(r.status, 0);
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(doc["model"].toString(), QStringLiteral("5520"));
    QCOMPARE(doc["modelName"].toString(), QStringLiteral("Veltrax(UHF)"));
    QCOMPARE(doc["band"].toString(), QStringLiteral("450 - 470MHz"));
    QVERIFY(doc["saved"].toString().startsWith(QDate::currentDate().toString("yyyy-MM-dd")));
    const QJsonArray channels = doc["channels"].toArray();
    QCOMPARE(channels.size(), 16);
    const QJsonObject first = channels[0].toObject();
    QCOMPARE(first["rx"].toString(), QStringLiteral("462.56250"));
    QCOMPARE(first["decode"].toString(), QString());
    QCOMPARE(first["encode"].toString(), QStringLiteral("D023N"));
    QCOMPARE(first["power"].toInt(), 1);
    QCOMPARE(first["beatShift"].toInt(), 1);
    QCOMPARE(channels[1].toObject()["tx"].toString(), QString());
    QCOMPARE(channels[1].toObject()["decode"].toString(), QStringLiteral("67.0"));
    QCOMPARE(channels[2].toObject()["used"].toBool(), false);
    QCOMPARE(channels[4].toObject()["decode"].toString(), QStringLiteral("D754I"));
    QCOMPARE(channels[4].toObject()["encode"].toString(), QStringLiteral("254.1"));
    QCOMPARE(channels[15].toObject()["decode"].toString(), QStringLiteral("D023N"));
    QCOMPARE(doc["settings"].toObject()["TxTimeout"].toInt(), 10);
    QCOMPARE(doc["settings"].toObject().size(), 15);
    QCOMPARE(doc["messages"].toObject()["A"].toString(),
             QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ 12345"));
}

void TestCli::csvRoundTrip()
{
    const QString source = saveSample("5520", "400 - 470MHz", "source.dat");
    const Result exported = cli({"export-csv", source, "--output", m_fixture->path("list.csv")});
    QCOMPARE(exported.status, 0);
    const QString csv = QString::fromUtf8(m_fixture->readFile("list.csv"));
    QVERIFY(csv.startsWith("Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,"
                           "W/N,Scan Add,Beat Shift,Busy Lockout\r\n"));
    QVERIFY(csv.contains("1,462.56250,467.56250,None,D023N,High,Wide,Yes,No,Yes\r\n"));
    QCOMPARE(csv.count("\r\n"), 5);

    const Result imported = cli({"import-csv", m_fixture->path("list.csv"), "--output",
                                 m_fixture->path("back.dat"), "--base", source});
    QCOMPARE(imported.status, 0);
    QCOMPARE(withoutDate(m_fixture->readFile("back.dat")).toHex(),
             withoutDate(m_fixture->readFile("source.dat")).toHex());
}

void TestCli::csvWithBadRowsWritesNothing()
{
    m_fixture->writeFile("bad.csv",
                         "Channel No.,RX Frequency,TX Frequency,QT/DQT Dec,QT/DQT Enc,TX Power,W/N,"
                         "Scan Add,Beat Shift,Busy Lockout\r\n"
                         "1,462.56250,462.56250,None,None,High,Wide,No,No,No\r\n"
                         "2,700,462.5,None,None,High,Wide,No,No,No\r\n"
                         "3,462.5631,,67,D089N,Medium,Wide,No,No,No\r\n"
                         "1,462.50000,,None,None,Low,Narrow,Yes,Yes,Yes\r\n"
                         "17,462.50000,,None,None,Low,Narrow,Yes,Yes,Yes\r\n");
    const Result r =
        cli({"import-csv", m_fixture->path("bad.csv"), "--output", m_fixture->path("out.dat")});
    QCOMPARE(r.status, 1);
    QVERIFY(!QFile::exists(m_fixture->path("out.dat")));
    for (const char *expected :
         {"line 3, column 2", "line 4, column 2", "line 4, column 4", "line 4, column 5",
          "line 4, column 6", "line 5, column 1", "line 6, column 1"})
        QVERIFY2(r.err.contains(expected), expected);
    QVERIFY(!r.err.contains("line 2,"));
    QVERIFY(!r.err.contains("line 3, column 3"));
}

void TestCli::reportAsPdf()
{
    const QString source = saveSample("5520", "450 - 470MHz", "source.dat");
    const Result r =
        cli({"report", source, "--output", m_fixture->path("report.pdf"), "--language", "Nowhere"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.isEmpty());
    QProcess text;
    text.start("pdftotext", {m_fixture->path("report.pdf"), "-"});
    QVERIFY(text.waitForFinished(20000));
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(pdf.contains("Function Setting"));
    QVERIFY(pdf.contains(QString::fromUtf8("信道信息")));
    QVERIFY(pdf.contains("Channel No.16"));
    QVERIFY(pdf.contains("Veltrax(UHF)"));
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
