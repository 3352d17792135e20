#pragma once

#include "PortAdapter.h"
#include "lang/MsgKind.h"
#include "model/TBWriteRead.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "PortAdapter.h"
class TSendThread;
class TMacType;

// One conversation with a radio over a serial port: the handshake that puts
// the radio into programming mode, the identification of its model, and the
// block transfer that a worker thread runs while this object, on the UI
// thread, takes the answers from the port, wakes the worker and watches for
// silence. A read copies the radio's memory into the staging table and the
// shared objects; a write stores the channel table and the shared objects in
// the radio. Front ends see progress, the Ok button's state, messages and the
// request to close; nothing here knows a widget.
class SerialSession : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Read,
        Write
    };
    enum class SessionState
    {
        Transfer,
        AwaitAck,
        AwaitIdent,
        Finished
    };
    enum class ModelCheckResult
    {
        Match,
        AskForce,
        Refuse
    };

    // Shows a message (a message table text) and returns the button pressed.
    using MessageHandler = std::function<int(const QString &text, int kind)>;

    static constexpr int BufferSize = 49;

    SerialSession(Kind kind, PortAdapter *port, QObject *parent = nullptr);
    ~SerialSession() override;

    void setMessageHandler(MessageHandler handler) { m_ask = std::move(handler); }
    // Sees every block the worker read or wrote, on the worker's thread.
    using BlockObserver = std::function<void(bool written, int address, const Block &block)>;
    void setBlockObserver(BlockObserver observer) { m_blockObserver = std::move(observer); }

    // The waits the UI thread makes between bytes; fuzzing the receive path runs without them.
    void setWaits(bool enabled) { m_waits = enabled; }

    // The port to open; the shared PortName unless set.
    void setPortName(const QString &name) { m_portName = name; }

    Kind kind() const { return m_kind; }
    SessionState state() const { return State; }
    bool readDone() const { return ReadDone; }
    bool completedOnce() const { return m_completions > 0; }
    bool okEnabled() const { return m_okEnabled; }
    int attempts() const { return m_attempts; }
    PortAdapter *port() const { return m_port; }

    // What the dialog's show, Ok and Cancel do.
    bool OpenPort();
    void btnOkClick();
    void StartSession();
    // Ends the session: the port closes and any worker is let go.
    void Close();

    static ModelCheckResult ModelCheck(const QString &radioCode, const TMacType *current);

signals:
    void progressMaximumChanged(int maximum);
    void progressChanged(int value);
    void okEnabledChanged(bool enabled);
    void closeRequested();
    void portOpened(bool ok);

private:
    friend class TSendThread;

    int ask(const QString &text, int kind);
    void setOkEnabled(bool enabled);
    void SendHandshake();
    void myPortTrigger(int count);
    void myPortTriggerLineError();
    void identified(const QByteArray &answer);
    void startWorker(const QString &modelCode);
    void giveUpWorker();
    // Lets the current worker go (it wakes, touches nothing and ends) and keeps it to be joined.
    void retireWorker();
    void WorkerDone(quint64 attempt, bool completed);
    void HeadTimeTimer();
    void TryTimeTimer();
    void ReTimeTimer();
    void CloseTimeTimer();
    bool send(const QByteArray &bytes);

    // What the worker hands to the UI thread, in order.
    struct Posted
    {
        enum Type
        {
            Send,
            Progress,
            OkEnabled,
            Done
        } type = Send;
        quint64 attempt = 0;
        QByteArray bytes;
        bool flag = false;
        int value = 0;
        int maximum = 0;
    };
    void post(Posted item);
    Q_INVOKABLE void drainPosted();

    // Called from the worker thread; each runs on the UI thread later.
    void postSend(quint64 attempt, const QByteArray &bytes, bool startTryTime);
    void postProgress(quint64 attempt, int value, int maximum);
    void postOkEnabled(quint64 attempt, bool enabled);
    void postDone(quint64 attempt, bool completed);

    const Kind m_kind;
    // The port may be taken apart before the session (both belong to a dialog).
    QPointer<PortAdapter> m_port;
    MessageHandler m_ask;
    BlockObserver m_blockObserver;
    QString m_portName;

    SessionState State = SessionState::Transfer;
    std::atomic<int> ExpectedCount{0};
    int ReceiveIndex = 0;
    std::array<quint8, BufferSize> ReceiveBuffer{};
    std::atomic<bool> MessageShown{false};
    std::atomic<bool> LineErrorFlag{false};
    std::atomic<qint64> m_outputPending{0};
    bool FirstAttempt = false;
    bool ReadDone = false;

    // The buffer as it stood when the worker was last woken; the worker reads this copy.
    std::mutex m_answerLock;
    std::array<quint8, BufferSize> m_answer{};

    std::mutex m_postLock;
    std::deque<Posted> m_posted;

    std::unique_ptr<TSendThread> Worker;
    std::vector<std::unique_ptr<TSendThread>> m_retired;
    quint64 m_attempt = 0;
    int m_attempts = 0;
    int m_completions = 0;
    bool m_okEnabled = true;
    bool m_closed = false;
    bool m_waits = true;

    void block(int ms) const;

    QTimer HeadTime;
    QTimer TryTime;
    QTimer ReTime;
    QTimer CloseTime;
};
