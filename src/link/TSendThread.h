#pragma once

#include "model/TBWriteRead.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class SerialSession;

// The worker of a session: moves the memory blocks one request at a time.
// After each request it parks until the UI thread wakes it with the answer.
// The wake is an auto-reset event: one that comes before the worker parked is
// kept for its next park, so none is lost, and several count as one.
class TSendThread
{
public:
    TSendThread(SerialSession *session, quint64 attempt, const QString &modelCode);
    ~TSendThread();

    void start();
    // Wakes the parked worker with the answer the session holds now.
    void wake();
    // Tells a worker waiting for the output to drain to look again.
    void poke();
    // Lets the worker go: it wakes, touches nothing more and ends.
    void abandon();
    bool isParked();
    quint64 attempt() const { return m_attempt; }

    bool Completed = false;

private:
    struct Abandoned
    {
    };

    void run();
    bool RunTransfer();
    bool RunRead();
    bool RunWrite();
    bool ExchangeAck();
    bool ReadBlock(int address, Block *block);
    bool WriteBlock(int address, const Block &block, quint8 command);
    void SendEnd();
    void park();
    void pause(int ms);
    void request(const QByteArray &bytes, int expected, bool startTryTime);
    quint8 answerByte(int index);
    void advanceProgress();

    SerialSession *const m_session;
    const quint64 m_attempt;
    const QString m_modelCode;
    std::mutex m_lock;
    std::condition_variable m_signal;
    bool m_signaled = false;
    bool m_parked = false;
    bool m_abandoned = false;
    std::thread m_thread;
    int m_progress = 0;
    int m_progressMaximum = 0;
};
