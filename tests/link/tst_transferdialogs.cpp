#include "LinkFixture.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"
#include "link/TfTransferDialog.h"
#include "model/ChannelTable.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Presses Ok in the next transfer dialog, then, once `finished` holds, Cancel
// (unless the dialog closed by itself).
void runNextTransfer(std::function<bool()> finished, QList<int> *progressSeen = nullptr)
{
    QTimer::singleShot(0, [finished, progressSeen] {
        auto *dialog = qobject_cast<TfTransferDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *bar = dialog->findChild<QProgressBar *>("pBar");
        if (progressSeen)
            QObject::connect(bar, &QProgressBar::valueChanged,
                             [progressSeen](int v) { progressSeen->append(v); });
        dialog->findChild<QPushButton *>("btnOk")->click();
        auto *poll = new QTimer(dialog);
        QObject::connect(poll, &QTimer::timeout, dialog, [dialog, finished, poll] {
            if (!finished())
                return;
            poll->stop();
            QTimer::singleShot(400, dialog, [dialog] {
                if (dialog->isVisible())
                    dialog->findChild<QPushButton *>("btnCancel")->click();
            });
        });
        poll->start(50);
    });
}

} // namespace

class TestTransferDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readThroughMainWindow();
    void failedReadChangesNothing();
    void writeThroughDialog();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestTransferDialogs::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
    m_messages = std::make_unique<MessageRecorder>();
    Channels().ResetRows(0);
}

void TestTransferDialogs::cleanup()
{
    m_messages.reset();
    m_fixture.reset();
}

void TestTransferDialogs::readThroughMainWindow()
{
    m_fixture->selectModel("5510");
    FillSampleDocument();
    SimulatedRadio radio(ImageOfDocument());
    SimulatedRadio::Behaviour b;
    b.identCode = "5510";
    radio.setBehaviour(b);
    QVERIFY(radio.start());
    m_fixture->selectModel("5520");

    TfMainFrm window;
    window.show();
    All().PortName = radio.devicePath();
    window.FileName = "old.dat";
    QList<int> progress;
    runNextTransfer([this] { return m_messages->texts().contains(Lang().ReadOk); }, &progress);
    window.DispatchCommand(20);

    QCOMPARE(m_messages->texts(), QStringList{Lang().ReadOk});
    QCOMPARE(Channels().fore(2, ChannelTable::ColEncode), QStringLiteral("D023N"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColPower), QStringLiteral("High"));
    QCOMPARE(Channels().fore(3, ChannelTable::ColTx), QString());
    QVERIFY(!Channels().isReadOnly(3, ChannelTable::ColTx));
    QVERIFY(All().Modified);
    QCOMPARE(window.FileName, QString());
    QCOMPARE(window.findChild<QLabel *>("stModel")->text(), QStringLiteral("Veltrax(VHF)"));
    QVERIFY(progress.size() > 10);
    QCOMPARE(*std::max_element(progress.begin(), progress.end()), 22);
}

void TestTransferDialogs::failedReadChangesNothing()
{
    m_fixture->selectModel("5510");
    FillSampleDocument();
    SimulatedRadio radio(ImageOfDocument());
    SimulatedRadio::Behaviour b;
    b.identCode = "5510";
    b.answerRequests = 44; // silent from the basic settings on
    radio.setBehaviour(b);
    QVERIFY(radio.start());

    m_fixture->selectModel("5520");
    TfMainFrm window;
    window.show();
    Channels().setForeDirect(2, ChannelTable::ColRx, "460.00000");
    Channels().SetChannelUsed(2);
    EnMsg().MessageA = "MINE";
    Fun().Squelch = 7;
    All().Modified = false;
    All().PortName = radio.devicePath();
    m_messages->answer({MsgCancel});
    runNextTransfer([this] { return m_messages->texts().contains(Lang().ComError); });
    window.DispatchCommand(20);

    QCOMPARE(m_messages->texts(), QStringList{Lang().ComError});
    QCOMPARE(Channels().fore(2, ChannelTable::ColRx), QStringLiteral("460.00000"));
    QCOMPARE(Channels().fore(2, ChannelTable::ColEncode), QStringLiteral("None"));
    QCOMPARE(All().ModelCode, QStringLiteral("5520"));
    QCOMPARE(All().BandLabel, QStringLiteral("450 - 470MHz"));
    QCOMPARE(EnMsg().MessageA, QStringLiteral("MINE"));
    QCOMPARE(Fun().Squelch, 7);
    QVERIFY(!All().Modified);
}

void TestTransferDialogs::writeThroughDialog()
{
    FillSampleDocument();
    const QByteArray expected = ImageOfDocument();
    SimulatedRadio radio;
    QVERIFY(radio.start());
    All().PortName = radio.devicePath();

    TfWriteRadio dialog;
    QList<int> progress;
    connect(dialog.findChild<QProgressBar *>("pBar"), &QProgressBar::valueChanged,
            [&progress](int v) { progress.append(v); });
    dialog.show();
    auto *ok = dialog.findChild<QPushButton *>("btnOk");
    QVERIFY(ok->isEnabled());
    ok->click();
    QTRY_VERIFY_WITH_TIMEOUT(m_messages->texts().contains(Lang().WriteOk), 20000);
    QVERIFY(dialog.isVisible());
    QVERIFY(ok->isEnabled());
    QCOMPARE(dialog.findChild<QProgressBar *>("pBar")->value(), 0);
    QVERIFY(progress.contains(22));
    QCOMPARE(radio.image().mid(0x10, 0x100).toHex(), expected.mid(0x10, 0x100).toHex());
    dialog.findChild<QPushButton *>("btnCancel")->click();
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestTransferDialogs)
#include "tst_transferdialogs.moc"
