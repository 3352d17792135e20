#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"
#include "print/ReportRenderer.h"
#include "print/ReportTables.h"
#include "settings/TFun.h"
#include "settings/TfBFunSet.h"

#include <QDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using CT = ChannelTable;

namespace {

// The text of a PDF, one string per page.
QStringList pdfPages(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000))
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

void addChannel(int channel, const char *rx, const char *tx)
{
    const int row = CT::rowOfChannel(channel);
    Channels().setForeDirect(row, CT::ColRx, rx);
    Channels().SetChannelUsed(row);
    Channels().setForeDirect(row, CT::ColTx, tx);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cutToWidth_data();
    void cutToWidth();
    void channelSectionRecords();
    void pdfPagesAndText();
    void previewAndCancelledPrint();

private:
    void fill(ReportTables &report);
    std::unique_ptr<ProgramFixture> m_fixture;
};

void TestReport::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    Channels().setHeaders({"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec",
                           "QT/DQT Enc", "TX Power", "W/N", "Scan Add", "Beat Shift",
                           "Busy Lockout"});
}

void TestReport::cleanup()
{
    m_fixture.reset();
}

void TestReport::cutToWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("cut");
    QTest::newRow("fits") << "Battery Save" << 20 << "Battery Save";
    QTest::newRow("ASCII cut") << "Function Setting Long Name" << 20 << "Function Setting Lon";
    QTest::newRow("Chinese counts two") << QString::fromUtf8("功能设置功能设置功能设置") << 20
                                        << QString::fromUtf8("功能设置功能设置功能");
    QTest::newRow("no half character") << QString::fromUtf8("ab信道") << 3 << "ab";
}

void TestReport::cutToWidth()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, cut);
    QCOMPARE(CutToWidth(text, width), cut);
}

void TestReport::fill(ReportTables &report)
{
    report.clear();
    report.setHeader({All().ProductName,
                      "Model Type: ",
                      All().ModelName,
                      {},
                      {},
                      "Frequency: ",
                      All().BandLabel});
    TfBFunSet settings;
    settings.FillReport(report);
    FillChannelReport(Channels(), Lang().Channel + Lang().Info, report);
}

void TestReport::channelSectionRecords()
{
    addChannel(1, "462.56250", "467.56250");
    addChannel(3, "446.00625", "");
    // A row with text in other cells but no RX is no channel.
    Channels().setForeDirect(5, CT::ColPower, "High");
    ReportTables report;
    fill(report);
    const QList<ReportRecord> &records = report.myAdo();
    QCOMPARE(records.size(), 15 + 1 + 2 * 6);
    QCOMPARE(records[0].TypeID, 9);
    QCOMPARE(records[0].TypeName, QStringLiteral("Function Setting"));
    QCOMPARE(records[0].AField, QStringLiteral("Battery Save"));
    QCOMPARE(records[0].AValue, Lang().Open);
    QCOMPARE(records[13].AField, QStringLiteral("VOX Gain Level"));
    QCOMPARE(records[13].AValue, QStringLiteral("5"));
    const ReportRecord &blank = records[15];
    QCOMPARE(blank.TypeID, 8);
    QCOMPARE(blank.TypeName, QString::fromUtf8("信道信息"));
    QVERIFY(blank.AField.isEmpty() && blank.AValue.isEmpty());
    QCOMPARE(records[16].AField, QStringLiteral("Channel No.1"));
    QCOMPARE(records[17].AValue, QStringLiteral("462.56250"));
    QCOMPARE(records[17].BField, QStringLiteral("TX Frequency"));
    QCOMPARE(records[22].AField, QStringLiteral("Channel No.3"));
    QCOMPARE(records[23].BValue, QString());
    QCOMPARE(records[27].AField, QStringLiteral("Busy Lockout"));
}

void TestReport::pdfPagesAndText()
{
    for (int n = 1; n <= 16; ++n)
        addChannel(n, qPrintable(QStringLiteral("%1").arg(450.0 + n * 0.5, 0, 'f', 5)), "");
    Fun().Squelch = 7;
    ReportTables report;
    fill(report);
    const QString path = m_fixture->path("report.pdf");
    QVERIFY(ReportRenderer(report).writePdf(path));
    const QStringList pages = pdfPages(path);
    QVERIFY2(pages.size() >= 4, qPrintable(QString::number(pages.size())));

    // Page 1: the header and the function settings, nothing of the channels.
    QVERIFY(pages[0].contains("Veltrax"));
    QVERIFY(pages[0].contains("Model Type:"));
    QVERIFY(pages[0].contains("Veltrax(UHF)"));
    QVERIFY(pages[0].contains("450 - 470MHz"));
    QVERIFY(pages[0].contains("Function Setting"));
    QVERIFY(pages[0].contains(QRegularExpression("Squelch level\\s+7")));
    QVERIFY(!pages[0].contains("RX Frequency"));
    QVERIFY(pages[0].contains(QRegularExpression("\\n\\s*1\\s*$")));
    // Page 2: the channel section with its heading; every page has the header.
    QVERIFY(pages[1].contains(QString::fromUtf8("信道信息")));
    QVERIFY(pages[1].contains("Veltrax(UHF)"));
    QVERIFY(pages[1].contains("Channel No.1"));
    QString all = pages.mid(1).join(u'\n');
    QCOMPARE(all.count("RX Frequency"), 16);
    QCOMPARE(all.count("Busy Lockout"), 16);
    QVERIFY(all.contains("Channel No.16"));

    // Printing twice gives the same pages.
    fill(report);
    const QString again = m_fixture->path("again.pdf");
    QVERIFY(ReportRenderer(report).writePdf(again));
    QCOMPARE(pdfPages(again), pages);
}

void TestReport::previewAndCancelledPrint()
{
    MessageRecorder messages;
    TfMainFrm window;
    window.show();
    Channels().setHeaders({"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec",
                           "QT/DQT Enc", "TX Power", "W/N", "Scan Add", "Beat Shift",
                           "Busy Lockout"});
    addChannel(2, "460.00000", "460.00000");
    All().Modified = false;
    bool previewSeen = false;
    QTimer::singleShot(0, [&previewSeen] {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->findChild<QAction *>("actionExportPdf"));
        previewSeen = true;
        dialog->reject();
    });
    window.DispatchCommand(8);
    QVERIFY(previewSeen);
    QCOMPARE(Report().myMain().size(), 1);
    QCOMPARE(Report().myMain().first().AValue, QStringLiteral("Veltrax(UHF)"));
    QCOMPARE(Report().myAdo().size(), 15 + 1 + 6);

    // Print: the print dialog; Cancel prints nothing and changes nothing.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->reject();
    });
    window.DispatchCommand(7);
    QCOMPARE(Report().myAdo().size(), 15 + 1 + 6);
    QVERIFY(messages.shown().isEmpty());
    QVERIFY(!All().Modified);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
