#pragma once

#include "link/SerialSession.h"

#include <QMap>
#include <QString>

#include <mutex>

// Runs one read or write session of the program to its end without windows:
// questions are answered as a command line must (a Retry is a Cancel, a
// model question is Yes only when forced), progress goes to standard error.
class CliSession
{
public:
    enum Exit
    {
        Success = 0,
        FileError = 1,
        Usage = 2,
        PortError = 3,
        NoAnswer = 4,
        ModelRefused = 5,
        VerifyFailed = 6
    };

    CliSession(SerialSession::Kind kind, const QString &port, bool force);

    // Runs the session; returns an exit status and leaves a message for failures.
    int run();
    QString failure() const { return m_failure; }

    // The blocks the session read or wrote, by address.
    QMap<int, Block> blocks() const;

private:
    int ask(const QString &text, int kind);
    void finish(int status, const QString &message = QString());
    void progress(int value);

    SerialSession::Kind m_kind;
    QString m_port;
    bool m_force;
    int m_status = -1;
    QString m_failure;
    int m_maximum = 0;
    int m_lastShown = -1;
    bool m_terminal = false;
    mutable std::mutex m_lock;
    QMap<int, Block> m_blocks;
};
