#include "LinkFixture.h"

#include "app/Program.h"
#include "app/TALL.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"
#include "model/TMacList.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QElapsedTimer>
#include <QtTest>

using Kind = SerialSession::Kind;

namespace {

constexpr int Patience = 20000;

// The radio image of a sample document of a model.
QByteArray sampleImage(const QString &code, const QString &band)
{
    ProgramFixture document;
    document.selectModel(code, band);
    FillSampleDocument();
    return ImageOfDocument();
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void completeRead_data();
    void completeRead();
    void completeWrite();
    void modelCheck();
    void writeToOtherModelAsksModforce();
    void unknownModelOnRead();
    void handshakeAcceptsAckAtPositionOne();
    void handshakeRefusedThenRetry();
    void splitAndOverlongAnswers_data();
    void splitAndOverlongAnswers();
    void requestTimeoutRetriesFromHandshake();
    void firstLineErrorRestartsSilently();
    void secondLineErrorActsAsTimeout();
    void radioStopsPartWay();
    void unansweredAcknowledgeWaitsForCancel();
    void vanishingDeviceEndsAttempt();
    void portThatCannotOpen();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
};

void TestSession::init()
{
    m_fixture = std::make_unique<ProgramFixture>();
}

void TestSession::cleanup()
{
    m_fixture.reset();
}

void TestSession::completeRead_data()
{
    QTest::addColumn<QString>("radioCode");
    QTest::addColumn<QString>("radioBand");
    QTest::addColumn<QString>("currentCode");
    QTest::newRow("UHF radio, VHF current") << "5520"
                                            << "400 - 470MHz"
                                            << "5510";
    QTest::newRow("VHF radio, UHF current") << "5510"
                                            << "136 - 150MHz"
                                            << "5520";
}

void TestSession::completeRead()
{
    QFETCH(QString, radioCode);
    QFETCH(QString, radioBand);
    QFETCH(QString, currentCode);
    const QByteArray image = sampleImage(radioCode, radioBand);
    m_fixture = std::make_unique<ProgramFixture>();
    m_fixture->selectModel(currentCode);

    LinkFixture link(Kind::Read, image);
    SimulatedRadio::Behaviour b;
    b.identCode = radioCode;
    link.radio.setBehaviour(b);
    QSignalSpy progress(&link.session, &SerialSession::progressChanged);
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.closeRequests, 1, Patience);

    QCOMPARE(link.texts(), QStringList{Lang().ReadOk});
    QVERIFY(link.session.readDone());
    QVERIFY(All().Modified);
    QCOMPARE(All().ModelCode, radioCode);
    QCOMPARE(All().CurrentModel, MacList().FindByCode(radioCode));
    QCOMPARE(All().BandLabel, radioBand);
    QCOMPARE(EnMsg().MessageA, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ 12345"));
    QCOMPARE(Fun().TxTimeout, 10);
    QCOMPARE(link.radio.readRequests(), 48);
    QCOMPARE(link.radio.endCommands(), 1);
    QVERIFY(progress.size() > 20);
    QCOMPARE(progress.last().first().toInt(), 22);

    // Everything read goes back into the same image, byte for byte.
    Channels().ResetRows(16);
    Channels().LoadFromStaging(Staging());
    QCOMPARE(Staging().fore(3, ChannelTable::ColTx), QString());
    QCOMPARE(ImageOfDocument().toHex(), image.toHex());
}

void TestSession::completeWrite()
{
    FillSampleDocument();
    const QByteArray expected = ImageOfDocument();
    LinkFixture link(Kind::Write, QByteArray(SimulatedRadio::ImageSize, char(0x00)));
    QSignalSpy enabled(&link.session, &SerialSession::okEnabledChanged);
    QSignalSpy progress(&link.session, &SerialSession::progressChanged);
    QVERIFY(link.start());
    QTRY_VERIFY_WITH_TIMEOUT(link.texts().contains(Lang().WriteOk), Patience);

    QCOMPARE(link.texts(), QStringList{Lang().WriteOk});
    QVERIFY(link.session.okEnabled());
    QCOMPARE(progress.last().first().toInt(), 0);
    QCOMPARE(link.radio.writeRequests(), 48);
    QCOMPARE(link.radio.endCommands(), 1);
    // The gap is never written; everything else is the document.
    QByteArray image = link.radio.image();
    image.replace(0x110, 0x2B0 - 0x110, QByteArray(0x2B0 - 0x110, char(0xFF)));
    image.replace(0x2C0, 0x380 - 0x2C0, QByteArray(0x380 - 0x2C0, char(0xFF)));
    QCOMPARE(image.toHex(), expected.toHex());
    QCOMPARE(link.radio.image().mid(0x200, 16), QByteArray(16, char(0x00)));
    // The extended settings block goes last, with its own command byte.
    QCOMPARE(link.radio.writeCommands(), QByteArray(46, 'W') + "YY");
    QCOMPARE(All().UsedFlags, QStringLiteral("1100100000000001"));
    QVERIFY(!All().Modified);
    QCOMPARE(link.closeRequests, 0);
}

void TestSession::modelCheck()
{
    using R = SerialSession::ModelCheckResult;
    const TMacType *uhf = MacList().FindByCode("5520");
    QCOMPARE(SerialSession::ModelCheck("5520", uhf), R::Match);
    QCOMPARE(SerialSession::ModelCheck("5510", uhf), R::AskForce);
    QCOMPARE(SerialSession::ModelCheck("9999", uhf), R::AskForce);
    // Another model with another channel count is refused.
    TMacType big("7777", "Big", 32);
    QCOMPARE(SerialSession::ModelCheck("5520", &big), R::Refuse);
}

void TestSession::writeToOtherModelAsksModforce()
{
    FillSampleDocument();
    {
        LinkFixture link(Kind::Write, QByteArray(SimulatedRadio::ImageSize, char(0xFF)));
        SimulatedRadio::Behaviour b;
        b.identCode = "5510";
        link.radio.setBehaviour(b);
        QVERIFY(link.start());
        QTRY_VERIFY_WITH_TIMEOUT(link.texts().contains(Lang().WriteOk), Patience);
        QCOMPARE(link.texts(), QStringList({Lang().Modforce, Lang().WriteOk}));
        // The radio now holds this document's model, identity included.
        QCOMPARE(link.radio.image().mid(0x3D3, 5), QByteArray("0255P"));
    }
    for (const char *code : {"5510", "ABCD"}) {
        LinkFixture link(Kind::Write, QByteArray(SimulatedRadio::ImageSize, char(0xFF)));
        SimulatedRadio::Behaviour b;
        b.identCode = code;
        link.radio.setBehaviour(b);
        link.answer = [](const QString &, int) { return int(MsgNo); };
        QVERIFY(link.start());
        QTRY_COMPARE_WITH_TIMEOUT(link.messages.size(), 1, Patience);
        QTest::qWait(300);
        QCOMPARE(link.texts(), QStringList{Lang().Modforce});
        QCOMPARE(link.radio.writeRequests(), 0);
        QVERIFY(!link.session.okEnabled());
        QCOMPARE(link.session.state(), SerialSession::SessionState::AwaitIdent);
    }
}

void TestSession::unknownModelOnRead()
{
    LinkFixture link(Kind::Read, QByteArray(SimulatedRadio::ImageSize, char(0xFF)));
    SimulatedRadio::Behaviour b;
    b.identCode = "9999";
    link.radio.setBehaviour(b);
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.messages.size(), 1, Patience);
    QCOMPARE(link.texts(), QStringList{Lang().ModError});
    QTest::qWait(700);
    QCOMPARE(link.messages.size(), 1);
    QVERIFY(!link.session.okEnabled());
    QCOMPARE(link.session.state(), SerialSession::SessionState::AwaitIdent);
    QCOMPARE(link.radio.readRequests(), 0);
}

void TestSession::handshakeAcceptsAckAtPositionOne()
{
    LinkFixture link(Kind::Read, sampleImage("5520", "450 - 470MHz"));
    SimulatedRadio::Behaviour b;
    b.strayByteBeforeAck = true;
    link.radio.setBehaviour(b);
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.closeRequests, 1, Patience);
    QCOMPARE(link.texts(), QStringList{Lang().ReadOk});
}

void TestSession::handshakeRefusedThenRetry()
{
    LinkFixture link(Kind::Read, sampleImage("5520", "450 - 470MHz"));
    SimulatedRadio::Behaviour refusing;
    refusing.handshakeReply = 0x15;
    link.radio.setBehaviour(refusing);
    QElapsedTimer clock;
    qint64 askedAfter = 0;
    link.answer = [&](const QString &text, int kind) {
        if (kind == MsgRetryCancel) {
            askedAfter = clock.elapsed();
            link.radio.setBehaviour(SimulatedRadio::Behaviour{});
            return int(MsgRetry);
        }
        return int(MsgOk);
        Q_UNUSED(text);
    };
    clock.start();
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.closeRequests, 1, Patience);
    QCOMPARE(link.texts(), QStringList({Lang().ComError, Lang().ReadOk}));
    QCOMPARE(link.messages.first().kind, int(MsgRetryCancel));
    // 500 ms wait, then the 500 ms handshake timer and 2500 ms more.
    QVERIFY2(askedAfter >= 3400, qPrintable(QString::number(askedAfter)));
    QCOMPARE(link.radio.handshakes(), 2);
}

void TestSession::splitAndOverlongAnswers_data()
{
    QTest::addColumn<bool>("split");
    QTest::addColumn<int>("extra");
    QTest::newRow("split into batches") << true << 0;
    QTest::newRow("two bytes too many") << false << 2;
}

void TestSession::splitAndOverlongAnswers()
{
    QFETCH(bool, split);
    QFETCH(int, extra);
    const QByteArray image = sampleImage("5520", "450 - 470MHz");
    LinkFixture link(Kind::Read, image);
    SimulatedRadio::Behaviour b;
    b.splitAnswers = split;
    b.extraBytes = extra;
    link.radio.setBehaviour(b);
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.closeRequests, 1, Patience);
    QCOMPARE(link.texts(), QStringList{Lang().ReadOk});
    // One wake per answer: every request went out once.
    QCOMPARE(link.radio.readRequests(), 48);
    Channels().ResetRows(16);
    Channels().LoadFromStaging(Staging());
    QCOMPARE(ImageOfDocument().toHex(), image.toHex());
}

void TestSession::requestTimeoutRetriesFromHandshake()
{
    for (Kind kind : {Kind::Read, Kind::Write}) {
        FillSampleDocument();
        LinkFixture link(kind, sampleImage("5520", "450 - 470MHz"));
        SimulatedRadio::Behaviour b;
        b.answerRequests = 7;
        link.radio.setBehaviour(b);
        link.answer = [&](const QString &, int k) {
            if (k == MsgRetryCancel) {
                link.radio.setBehaviour(SimulatedRadio::Behaviour{});
                return int(MsgRetry);
            }
            return int(MsgOk);
        };
        QVERIFY(link.start());
        const QString done = kind == Kind::Read ? Lang().ReadOk : Lang().WriteOk;
        QTRY_VERIFY_WITH_TIMEOUT(link.texts().contains(done), Patience);
        QCOMPARE(link.texts(), QStringList({Lang().ComError, done}));
        QCOMPARE(link.radio.handshakes(), 2);
        QCOMPARE(link.session.attempts(), 2);
    }
}

void TestSession::firstLineErrorRestartsSilently()
{
    const QByteArray image = sampleImage("5520", "450 - 470MHz");
    LinkFixture link(Kind::Read, image);
    bool raised = false;
    QObject::connect(&link.session, &SerialSession::progressChanged, [&](int value) {
        if (value == 3 && !raised) {
            raised = true;
            link.port.raiseLineError();
        }
    });
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.closeRequests, 1, Patience);
    QCOMPARE(link.texts(), QStringList{Lang().ReadOk});
    QCOMPARE(link.radio.handshakes(), 2);
    QCOMPARE(link.session.attempts(), 2);
}

void TestSession::secondLineErrorActsAsTimeout()
{
    LinkFixture link(Kind::Read, sampleImage("5520", "450 - 470MHz"));
    int raised = 0;
    QObject::connect(&link.session, &SerialSession::progressChanged, [&](int value) {
        if (value == 3 && raised < 2) {
            ++raised;
            link.port.raiseLineError();
        }
    });
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.messages.size(), 1, Patience);
    QCOMPARE(link.texts(), QStringList{Lang().ComError});
    QCOMPARE(link.messages.first().kind, int(MsgRetryCancel));
    QVERIFY(!link.session.readDone());
    QVERIFY(link.session.okEnabled());
}

void TestSession::radioStopsPartWay()
{
    LinkFixture link(Kind::Read, sampleImage("5520", "450 - 470MHz"));
    SimulatedRadio::Behaviour b;
    b.answerRequests = 40;
    link.radio.setBehaviour(b);
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.messages.size(), 1, Patience);
    QTest::qWait(300);
    QCOMPARE(link.texts(), QStringList{Lang().ComError});
    QVERIFY(!link.session.readDone());
    QCOMPARE(link.closeRequests, 0);
    QVERIFY(link.session.okEnabled());
}

void TestSession::unansweredAcknowledgeWaitsForCancel()
{
    LinkFixture link(Kind::Read, sampleImage("5520", "450 - 470MHz"));
    SimulatedRadio::Behaviour b;
    b.neverAcknowledge = true;
    link.radio.setBehaviour(b);
    QVERIFY(link.start());
    QTRY_COMPARE_WITH_TIMEOUT(link.radio.readRequests(), 1, Patience);
    QTest::qWait(1500);
    QVERIFY(link.messages.isEmpty());
    QCOMPARE(link.radio.readRequests(), 1);
    // Cancel: the parked worker is let go and nothing hangs.
    QElapsedTimer clock;
    clock.start();
    link.session.Close();
    QVERIFY(clock.elapsed() < 1000);
}

void TestSession::vanishingDeviceEndsAttempt()
{
    FillSampleDocument();
    LinkFixture link(Kind::Write, QByteArray(SimulatedRadio::ImageSize, char(0xFF)));
    QObject::connect(&link.session, &SerialSession::progressChanged, [&](int value) {
        if (value == 4)
            link.radio.disconnect();
    });
    QVERIFY(link.start());
    QTRY_VERIFY_WITH_TIMEOUT(!link.messages.isEmpty(), Patience);
    QTest::qWait(500);
    QCOMPARE(link.texts(), QStringList{Lang().ComError});
    QVERIFY(!link.port.isOpen());
    QVERIFY(link.session.okEnabled());
}

void TestSession::portThatCannotOpen()
{
    LinkFixture link(Kind::Read, QByteArray());
    link.session.setPortName(QString(""));
    QVERIFY(!link.session.OpenPort());
    QCOMPARE(link.texts(), QStringList{Lang().LPortError});
    QTRY_COMPARE_WITH_TIMEOUT(link.closeRequests, 1, 1000);
    link.messages.clear();
    link.session.setPortName("/dev/does-not-exist");
    QVERIFY(!link.session.OpenPort());
    QCOMPARE(link.texts(), QStringList{Lang().LPortError});
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
