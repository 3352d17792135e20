#include "support/TestSupport.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "edit/TfChInfo.h"
#include "lang/IniFile.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "link/SerialPorts.h"
#include "model/ChannelTable.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsModelBandAndEmptyGrid();
    void portCheckAtStart_data();
    void portCheckAtStart();
    void statusBarTexts();
    void toolbarAndStatusBarToggles();
    void unknownTagDoesNothing();
    void exitAnsweredNoKeepsWindow();
    void exitWithChangesAsksToSaveAndWritesSysInfo();
    void modelChangeRefusedKeepsDocument();
    void modelChangeStartsNewDocument();
    void communicationPortDialog();
    void secondHelpOpensNoSecondViewer();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_messages = std::make_unique<MessageRecorder>();
    SetSerialPortSource([] { return QStringList{"ttyS0", "ttyUSB0"}; });
    Channels().ResetRows(0);
}

void TestMainWindow::cleanup()
{
    SetSerialPortSource({});
    TfMainFrm::SetHelpViewer(QString());
    m_messages.reset();
    m_fixture.reset();
}

void TestMainWindow::startShowsModelBandAndEmptyGrid()
{
    All().Modified = true;
    TfMainFrm window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrax"));
    QCOMPARE(window.findChild<QLabel *>("stModel")->text(), QStringLiteral("Veltrax(UHF)"));
    QCOMPARE(window.findChild<QLabel *>("stFreq")->text(), QStringLiteral("450 - 470MHz"));
    QCOMPARE(All().BandLow, 450.0);
    QCOMPARE(Channels().channelCount(), 16);
    QCOMPARE(Channels().fore(ChannelTable::HeaderRow, ChannelTable::ColRx),
             QStringLiteral("RX Frequency"));
    QVERIFY(window.channelWindow()->isVisible());
    QVERIFY(!All().Modified);
    // Hidden entries stay hidden.
    QVERIFY(!window.findChild<QAction *>("T1")->isVisible());
    QVERIFY(!window.findChild<QAction *>("E10")->isVisible());
}

void TestMainWindow::portCheckAtStart_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("expected");
    QTest::newRow("present") << "ttyUSB0" << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0";
    QTest::newRow("gone: first listed") << "ttyUSB9" << QStringList{"ttyS0", "ttyUSB0"} << "ttyS0";
    QTest::newRow("case matters here") << "TTYUSB0" << QStringList{"ttyS0", "ttyUSB0"} << "ttyS0";
    QTest::newRow("no ports: kept") << "ttyUSB9" << QStringList{} << "ttyUSB9";
    QTest::newRow("device path kept") << "/dev/null" << QStringList{"ttyS0"} << "/dev/null";
}

void TestMainWindow::portCheckAtStart()
{
    QFETCH(QString, configured);
    QFETCH(QStringList, ports);
    QFETCH(QString, expected);
    SetSerialPortSource([ports] { return ports; });
    m_fixture->writeFile("SysInfo.Ini", "[SysInfo]\nCom=" + configured.toUtf8() + "\n");
    DataModuleCreate(m_fixture->dir());
    TfMainFrm window;
    window.show();
    QCOMPARE(All().PortName, expected);
    QCOMPARE(window.statusText(3), QStringLiteral("Port: ") + expected);
    window.close();
    QCOMPARE(IniFile(m_fixture->path("SysInfo.Ini")).value("SysInfo", "Com"), expected);
}

void TestMainWindow::statusBarTexts()
{
    TfMainFrm window;
    window.show();
    QCOMPARE(window.statusText(0), QString());
    QVERIFY(
        QRegularExpression("^\\d{4}\\D\\d{2}\\D\\d{2}$").match(window.statusText(1)).hasMatch());
    QVERIFY(
        QRegularExpression("^\\d{2}\\D\\d{2}\\D\\d{2}$").match(window.statusText(2)).hasMatch());
    QCOMPARE(window.statusText(4), QString());
    window.FileName = QStringLiteral("/tmp/radio.dat");
    window.RefreshStatus();
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrax [/tmp/radio.dat]"));
}

void TestMainWindow::toolbarAndStatusBarToggles()
{
    TfMainFrm window;
    window.show();
    auto *toolbar = window.findChild<QWidget *>("pBar");
    auto *strip = window.findChild<QLabel *>("stModel");
    QAction *nCool = window.findChild<QAction *>("nCool");
    QVERIFY(nCool->isChecked());
    nCool->trigger();
    QVERIFY(!nCool->isChecked());
    QVERIFY(!toolbar->isVisible());
    QVERIFY(strip->isVisible());
    nCool->trigger();
    QVERIFY(toolbar->isVisible());
    QAction *nBar = window.findChild<QAction *>("nBar");
    nBar->trigger();
    QVERIFY(!window.statusBar()->isVisible());
}

void TestMainWindow::unknownTagDoesNothing()
{
    TfMainFrm window;
    window.show();
    for (int tag : {0, 5, 22, 26, 99})
        window.DispatchCommand(tag);
    QVERIFY(m_messages->shown().isEmpty());
    QVERIFY(!All().Modified);
}

void TestMainWindow::exitAnsweredNoKeepsWindow()
{
    TfMainFrm window;
    window.show();
    All().Modified = true;
    m_messages->answer({MsgNo});
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(m_messages->texts(), QStringList{Lang().ExitProgram});
    QVERIFY(m_fixture->readFile("SysInfo.Ini").isEmpty());
}

void TestMainWindow::exitWithChangesAsksToSaveAndWritesSysInfo()
{
    TfMainFrm window;
    window.show();
    All().Modified = true;
    m_messages->answer({MsgYes, MsgNo});
    QVERIFY(window.close());
    QCOMPARE(m_messages->texts(), QStringList({Lang().ExitProgram, Lang().SaveProgram}));
    QCOMPARE(m_messages->shown().first().caption, Lang().Confirmation);
    const IniFile ini(m_fixture->path("SysInfo.Ini"));
    QCOMPARE(ini.value("SysInfo", "Com"), QStringLiteral("ttyS0"));
    QCOMPARE(ini.value("SysInfo", "DefaultLanguage"), QStringLiteral("0"));
}

void TestMainWindow::modelChangeRefusedKeepsDocument()
{
    TfMainFrm window;
    window.show();
    Channels().setForeDirect(2, ChannelTable::ColRx, "460.00000");
    All().Modified = true;
    m_messages->answer({MsgNo});
    onNextDialog([](QDialog *dialog) {
        auto *models = dialog->findChild<QComboBox *>("cbCopmut");
        models->setCurrentIndex(1);
        QCOMPARE(dialog->findChild<QComboBox *>("cbPd")->currentText(),
                 QStringLiteral("150 - 174MHz"));
        dialog->findChild<QPushButton *>("btnOk")->click();
    });
    window.DispatchCommand(9);
    QCOMPARE(m_messages->texts(), QStringList{Lang().ClearData});
    QCOMPARE(All().ModelCode, QStringLiteral("5520"));
    QCOMPARE(All().BandLabel, QStringLiteral("450 - 470MHz"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColRx), QStringLiteral("460.00000"));
}

void TestMainWindow::modelChangeStartsNewDocument()
{
    TfMainFrm window;
    window.show();
    Channels().setForeDirect(2, ChannelTable::ColRx, "460.00000");
    onNextDialog([](QDialog *dialog) {
        dialog->findChild<QComboBox *>("cbCopmut")->setCurrentIndex(1);
        dialog->findChild<QComboBox *>("cbPd")->setCurrentIndex(1);
        dialog->findChild<QPushButton *>("btnOk")->click();
    });
    window.DispatchCommand(9);
    QVERIFY(m_messages->shown().isEmpty());
    QCOMPARE(All().ModelCode, QStringLiteral("5510"));
    QCOMPARE(All().BandLabel, QStringLiteral("136 - 174MHz"));
    QCOMPARE(All().BandHigh, 174.0);
    QCOMPARE(window.findChild<QLabel *>("stModel")->text(), QStringLiteral("Veltrax(VHF)"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColRx), QString());

    // Cancel changes nothing.
    onNextDialog([](QDialog *dialog) {
        dialog->findChild<QComboBox *>("cbCopmut")->setCurrentIndex(0);
        dialog->findChild<QPushButton *>("btnCancel")->click();
    });
    window.DispatchCommand(9);
    QCOMPARE(All().ModelCode, QStringLiteral("5510"));
}

void TestMainWindow::communicationPortDialog()
{
    TfMainFrm window;
    window.show();
    onNextDialog([](QDialog *dialog) {
        auto *ports = dialog->findChild<QComboBox *>("cbCom");
        QCOMPARE(ports->count(), 2);
        QCOMPARE(ports->currentText(), QStringLiteral("ttyS0"));
        ports->setCurrentIndex(1);
        dialog->findChild<QPushButton *>("btnOk")->click();
    });
    window.DispatchCommand(24);
    QCOMPARE(All().PortName, QStringLiteral("ttyUSB0"));
    QCOMPARE(window.statusText(3), QStringLiteral("Port: ttyUSB0"));

    // Cancel leaves the port, even one that is not listed.
    All().PortName = QStringLiteral("gone");
    onNextDialog([](QDialog *dialog) { dialog->findChild<QPushButton *>("btnCancel")->click(); });
    window.DispatchCommand(24);
    QCOMPARE(All().PortName, QStringLiteral("gone"));
}

void TestMainWindow::secondHelpOpensNoSecondViewer()
{
    const QString log = m_fixture->path("viewer.log");
    const QString viewer = m_fixture->path("viewer.sh");
    m_fixture->writeFile("viewer.sh",
                         "#!/bin/sh\necho \"$1\" >> '" + log.toUtf8() + "'\nsleep 2\n");
    QFile::setPermissions(viewer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    TfMainFrm::SetHelpViewer(viewer);
    All().HelpPrefix = QStringLiteral("VX");
    All().LanguageName = QStringLiteral("English");

    TfMainFrm window;
    window.show();
    window.DispatchCommand(34);
    QTRY_VERIFY(QFile::exists(log));
    window.DispatchCommand(34);
    QTest::qWait(200);
    QCOMPARE(m_fixture->readFile("viewer.log"),
             (m_fixture->path("VX_English.chm") + u'\n').toUtf8());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
