#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// A radio on the other end of a pseudo-terminal: it serves the programming
// protocol from a memory image and can be told to misbehave. Tests, the
// benchmark and the command-line program talk to it through the real serial
// port code opened on devicePath().
class SimulatedRadio
{
public:
    static constexpr int ImageSize = 0x3E0;

    struct Behaviour
    {
        QString identCode = QStringLiteral("5520"); // the model code the radio reports
        bool silent = false;                        // answers nothing at all
        int answerRequests = -1;         // answers this many read/write requests, then falls silent
        quint8 handshakeReply = 0x06;    // what the radio sends after "PROGRAM"
        bool strayByteBeforeAck = false; // one stray byte in front of the handshake's 0x06
        bool splitAnswers = false;       // answers arrive in several small batches
        int extraBytes = 0;              // bytes sent after each read answer
        bool neverAcknowledge = false;   // no answer to the 0x06 after a read answer
        bool wirePace = false;           // bytes leave at 9600 baud, 2 stop bits (1.15 ms each)
        int stuckBlock = -1;             // a block whose memory ignores writes
    };

    // A radio image of 992 bytes: blocks at their radio addresses.
    explicit SimulatedRadio(const QByteArray &image = QByteArray(ImageSize, char(0xFF)));
    ~SimulatedRadio();

    bool start(QString *error = nullptr);
    void stop();
    // Closes the radio's end: the line goes away as a pulled cable would.
    void disconnect();

    QString devicePath() const { return m_devicePath; }

    void setBehaviour(const Behaviour &behaviour);
    QByteArray image() const;
    void setImage(const QByteArray &image);

    // What the radio saw: the requests it answered and every write it stored.
    int handshakes() const { return m_handshakes; }
    int readRequests() const { return m_reads; }
    int writeRequests() const { return m_writes; }
    int endCommands() const { return m_ends; }
    QByteArray writeCommands() const;

private:
    enum class Phase
    {
        Idle,
        Program,
        Ident,
        IdentSent,
        Ready,
        AfterRead
    };

    void run();
    void consume(QByteArray &input);
    void reply(const QByteArray &bytes);

    QString m_devicePath;
    int m_master = -1;
    int m_slave = -1;
    int m_wakePipe[2] = {-1, -1};
    std::thread m_thread;
    std::atomic<bool> m_running{false};

    mutable std::mutex m_lock;
    QByteArray m_image;
    Behaviour m_behaviour;
    QByteArray m_commands;

    Phase m_phase = Phase::Idle;
    std::atomic<int> m_handshakes{0};
    std::atomic<int> m_reads{0};
    std::atomic<int> m_writes{0};
    std::atomic<int> m_ends{0};
    std::atomic<int> m_answered{0};
};

// The radio's memory image from a data file's bytes: the channels, messages,
// settings and identity sit where the file has them, the extended settings
// move from the file's last gap record to radio address 0x2B0, and block 0 is blank.
QByteArray RadioImageFromDataFile(const QByteArray &file);
