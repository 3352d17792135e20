#include "SerialSession.h"

#include "PortAdapter.h"
#include "TSendThread.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/TLanguage.h"
#include "model/TMacList.h"
#include "settings/TFun.h"

#include <QThread>

namespace {

constexpr quint8 Stx = 0x02;
constexpr quint8 Ack = 0x06;
const QByteArray Program = QByteArrayLiteral("PROGRAM");

} // namespace

// Waits on the UI thread, which does nothing else meanwhile.
void SerialSession::block(int ms) const
{
    if (m_waits)
        QThread::msleep(ulong(ms));
}

SerialSession::SerialSession(Kind kind, PortAdapter *port, QObject *parent)
    : QObject(parent), m_kind(kind), m_port(port)
{
    for (QTimer *timer : {&HeadTime, &TryTime, &ReTime, &CloseTime}) {
        timer->setTimerType(Qt::PreciseTimer);
        timer->setSingleShot(true);
    }
    HeadTime.setInterval(500);
    TryTime.setInterval(100);
    ReTime.setInterval(500);
    CloseTime.setInterval(300);
    connect(&HeadTime, &QTimer::timeout, this, &SerialSession::HeadTimeTimer);
    connect(&TryTime, &QTimer::timeout, this, &SerialSession::TryTimeTimer);
    connect(&ReTime, &QTimer::timeout, this, &SerialSession::ReTimeTimer);
    connect(&CloseTime, &QTimer::timeout, this, &SerialSession::CloseTimeTimer);
    connect(m_port, &PortAdapter::dataAvailable, this, &SerialSession::myPortTrigger);
    connect(m_port, &PortAdapter::lineError, this, &SerialSession::myPortTriggerLineError);
}

SerialSession::~SerialSession()
{
    Close();
}

void SerialSession::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    for (QTimer *timer : {&HeadTime, &TryTime, &ReTime, &CloseTime})
        timer->stop();
    State = SessionState::Finished;
    // A parked or running worker is let go; it ends without touching anything more.
    retireWorker();
    m_retired.clear();
    if (m_port)
        m_port->close();
}

int SerialSession::ask(const QString &text, int kind)
{
    return m_ask ? m_ask(text, kind) : int(MsgOk);
}

void SerialSession::setOkEnabled(bool enabled)
{
    m_okEnabled = enabled;
    emit okEnabledChanged(enabled);
}

bool SerialSession::send(const QByteArray &bytes)
{
    const bool ok = m_port->write(bytes);
    m_outputPending = ok ? m_port->bytesToWrite() : 0;
    return ok;
}

bool SerialSession::OpenPort()
{
    MessageShown = false;
    LineErrorFlag = false;
    if (m_kind == Kind::Read) {
        ReadDone = false;
        FirstAttempt = true;
    } else {
        retireWorker();
    }
    m_port->close();
    block(50);
    const QString name = m_portName.isNull() ? All().PortName : m_portName;
    bool ok = m_port->open(name);
    if (ok && m_kind == Kind::Read)
        m_port->clear();
    if (!ok) {
        if (!MessageShown.exchange(true))
            ask(Lang().LPortError, MsgInfo);
        CloseTime.start();
    }
    emit portOpened(ok);
    return ok;
}

void SerialSession::btnOkClick()
{
    if (m_kind == Kind::Write)
        block(450);
    StartSession();
}

void SerialSession::StartSession()
{
    ++m_attempts;
    retireWorker();
    if (m_kind == Kind::Read) {
        ReadDone = false;
        State = SessionState::Transfer;
        MessageShown = false;
        setOkEnabled(false);
        block(500);
        ReceiveIndex = 0;
    } else {
        State = SessionState::Transfer;
        MessageShown = false;
        m_port->clear();
        setOkEnabled(false);
        ReceiveIndex = 0;
        block(50);
    }
    HeadTime.start();
    SendHandshake();
}

void SerialSession::SendHandshake()
{
    State = SessionState::AwaitAck;
    ExpectedCount = 1;
    bool ok = send(QByteArray(1, char(Stx)));
    if (ok) {
        block(200);
        for (qsizetype i = 0; ok && i < Program.size(); ++i) {
            if (i > 0)
                block(2);
            ok = send(Program.mid(i, 1));
        }
    }
    if (!ok) {
        HeadTime.stop();
        if (!MessageShown.exchange(true))
            ask(Lang().LPortError, MsgInfo);
        setOkEnabled(true);
    }
}

void SerialSession::myPortTrigger(int)
{
    const QByteArray bytes = m_port->readAll();
    if (bytes.isEmpty())
        return;
    for (const char byte : bytes) {
        if (ReceiveIndex <= BufferSize - 1) {
            ReceiveBuffer[size_t(ReceiveIndex)] = quint8(byte);
            --ExpectedCount;
            ++ReceiveIndex;
        }
    }
    if (ExpectedCount > 0)
        return;
    ReceiveIndex = 0;
    switch (State) {
    case SessionState::Transfer:
        if (m_kind == Kind::Read)
            block(5);
        if (Worker) {
            TryTime.stop();
            {
                const std::lock_guard<std::mutex> lock(m_answerLock);
                m_answer = ReceiveBuffer;
            }
            Worker->wake();
        }
        break;
    case SessionState::AwaitAck:
        // Byte 1 may still hold a byte of an earlier answer.
        if (ReceiveBuffer[0] == Ack || ReceiveBuffer[1] == Ack) {
            State = SessionState::AwaitIdent;
            ExpectedCount = 8;
            HeadTime.stop();
            block(5);
            send(QByteArray(1, char(Stx)));
            HeadTime.start();
        }
        break;
    case SessionState::AwaitIdent:
        HeadTime.stop();
        TryTime.stop();
        identified(QByteArray(reinterpret_cast<const char *>(ReceiveBuffer.data()), 8));
        break;
    case SessionState::Finished:
        break;
    }
}

SerialSession::ModelCheckResult SerialSession::ModelCheck(const QString &radioCode,
                                                          const TMacType *current)
{
    const TMacType *radio = MacList().FindByCode(radioCode);
    if (!radio)
        return ModelCheckResult::AskForce;
    if (current && radio->Code == current->Code)
        return ModelCheckResult::Match;
    if (current && radio->ChannelCount == current->ChannelCount)
        return ModelCheckResult::AskForce;
    return ModelCheckResult::Refuse;
}

void SerialSession::identified(const QByteArray &answer)
{
    // The model code is the answer's second to fifth byte.
    const QString code = QString::fromLatin1(answer.mid(1, 4));
    bool start = false;
    if (m_kind == Kind::Read) {
        start = MacList().FindByCode(code) != nullptr;
        if (!start)
            ask(Lang().ModError, MsgInfo);
    } else {
        switch (ModelCheck(code, All().CurrentModel)) {
        case ModelCheckResult::Match:
            start = true;
            break;
        case ModelCheckResult::AskForce:
            start = ask(Lang().Modforce, MsgYesNo) == MsgYes;
            break;
        case ModelCheckResult::Refuse:
            ask(Lang().ModError, MsgInfo);
            break;
        }
    }
    if (!start)
        return; // stays waiting for the identification; the user leaves with Cancel
    State = SessionState::Transfer;
    block(5);
    startWorker(code);
}

void SerialSession::retireWorker()
{
    if (!Worker)
        return;
    Worker->abandon();
    m_retired.push_back(std::move(Worker));
}

void SerialSession::startWorker(const QString &modelCode)
{
    retireWorker();
    Worker = std::make_unique<TSendThread>(this, ++m_attempt, modelCode);
    Worker->start();
}

void SerialSession::giveUpWorker()
{
    retireWorker();
    State = SessionState::Finished;
    if (m_kind == Kind::Write)
        setOkEnabled(true);
}

void SerialSession::WorkerDone(quint64 attempt, bool completed)
{
    if (!Worker || Worker->attempt() != attempt)
        return; // a worker that was given up
    retireWorker();
    State = SessionState::Finished;
    const TLanguage &lang = Lang();
    // After a second line error of a read the pending timeout speaks instead.
    const bool timeoutPending = m_kind == Kind::Read && TryTime.isActive();
    if (!completed && !timeoutPending && !MessageShown.exchange(true))
        ask(lang.ComError, MsgInfo);

    if (m_kind == Kind::Read) {
        if (!completed)
            return;
        TryTime.stop();
        ++m_completions;
        ask(lang.ReadOk, MsgInfo);
        ValidateFunctionData();
        All().Modified = true;
        ReadDone = true;
        CloseTime.start();
    } else {
        if (completed) {
            ++m_completions;
            ask(lang.WriteOk, MsgInfo);
            emit progressChanged(0);
        }
        setOkEnabled(true);
    }
}

void SerialSession::HeadTimeTimer()
{
    HeadTime.stop();
    if (MessageShown)
        return;
    block(2500);
    MessageShown = true;
    const int answer = ask(Lang().ComError, MsgRetryCancel);
    setOkEnabled(true);
    if (answer == MsgRetry)
        btnOkClick();
}

void SerialSession::TryTimeTimer()
{
    TryTime.stop();
    if (MessageShown)
        return;
    giveUpWorker();
    MessageShown = true;
    const int answer = ask(Lang().ComError, MsgRetryCancel);
    if (m_kind == Kind::Read) {
        if (answer == MsgRetry) {
            block(1000);
            emit progressChanged(0);
            setOkEnabled(true);
            btnOkClick();
        } else {
            setOkEnabled(true);
        }
    } else if (answer == MsgRetry) {
        block(1000);
        emit progressChanged(0);
        StartSession();
    }
}

void SerialSession::ReTimeTimer()
{
    ReTime.stop();
    setOkEnabled(true);
    btnOkClick();
}

void SerialSession::CloseTimeTimer()
{
    CloseTime.stop();
    if (m_kind == Kind::Read && LineErrorFlag)
        return;
    emit closeRequested();
}

void SerialSession::myPortTriggerLineError()
{
    const bool parked = Worker && Worker->isParked();
    if (m_kind == Kind::Read) {
        m_port->clear();
        if (FirstAttempt) {
            // One silent restart: no message for this attempt.
            MessageShown = true;
            FirstAttempt = false;
            if (parked) {
                LineErrorFlag = true;
                Worker->wake();
            }
            ReTime.start();
        } else {
            if (parked) {
                LineErrorFlag = true;
                Worker->wake();
            }
            TryTime.start();
        }
        return;
    }
    if (parked) {
        LineErrorFlag = true;
        Worker->wake();
    }
    if (!MessageShown.exchange(true))
        ask(Lang().ComError, MsgInfo);
}

void SerialSession::post(Posted item)
{
    {
        const std::lock_guard<std::mutex> lock(m_postLock);
        m_posted.push_back(std::move(item));
    }
    QMetaObject::invokeMethod(this, "drainPosted", Qt::QueuedConnection);
}

void SerialSession::drainPosted()
{
    for (;;) {
        Posted item;
        {
            const std::lock_guard<std::mutex> lock(m_postLock);
            if (m_posted.empty())
                return;
            item = std::move(m_posted.front());
            m_posted.pop_front();
        }
        if (item.type == Posted::Done) {
            WorkerDone(item.attempt, item.flag);
            continue;
        }
        // Only the current worker speaks; one that was given up is not heard.
        if (!Worker || Worker->attempt() != item.attempt)
            continue;
        switch (item.type) {
        case Posted::Send:
            // A write that fails is caught by TryTime as silence.
            send(item.bytes);
            if (item.flag)
                TryTime.start();
            Worker->poke();
            break;
        case Posted::Progress:
            emit progressMaximumChanged(item.maximum);
            emit progressChanged(item.value);
            break;
        case Posted::OkEnabled:
            setOkEnabled(item.flag);
            break;
        case Posted::Done:
            break;
        }
    }
}

void SerialSession::postSend(quint64 attempt, const QByteArray &bytes, bool startTryTime)
{
    post({Posted::Send, attempt, bytes, startTryTime, 0, 0});
}

void SerialSession::postProgress(quint64 attempt, int value, int maximum)
{
    post({Posted::Progress, attempt, {}, false, value, maximum});
}

void SerialSession::postOkEnabled(quint64 attempt, bool enabled)
{
    post({Posted::OkEnabled, attempt, {}, enabled, 0, 0});
}

void SerialSession::postDone(quint64 attempt, bool completed)
{
    post({Posted::Done, attempt, {}, completed, 0, 0});
}
