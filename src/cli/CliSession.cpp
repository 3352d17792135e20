#include "CliSession.h"

#include "app/Program.h"
#include "lang/TLanguage.h"
#include "link/SerialPortAdapter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

CliSession::CliSession(SerialSession::Kind kind, const QString &port, bool force)
    : m_kind(kind), m_port(port), m_force(force), m_terminal(isatty(STDERR_FILENO) != 0)
{}

QMap<int, Block> CliSession::blocks() const
{
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_blocks;
}

void CliSession::finish(int status, const QString &message)
{
    if (m_status >= 0)
        return;
    m_status = status;
    m_failure = message;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

int CliSession::ask(const QString &text, int kind)
{
    const TLanguage &lang = Lang();
    if (text == lang.ReadOk || text == lang.WriteOk) {
        finish(Success);
        return MsgOk;
    }
    if (text == lang.Modforce) {
        if (m_force)
            return MsgYes;
        finish(ModelRefused,
               QStringLiteral("the radio is another model; --force writes it anyway"));
        return MsgNo;
    }
    if (text == lang.ModError) {
        finish(ModelRefused, QStringLiteral("the radio's model is not one this program knows"));
        return MsgOk;
    }
    if (text == lang.ComError) {
        finish(NoAnswer, QStringLiteral("no answer, or a broken one, from the radio; check the "
                                        "cable, the port and that the radio is on"));
        return kind == MsgRetryCancel ? int(MsgCancel) : int(MsgOk);
    }
    finish(NoAnswer, text);
    return kind == MsgYesNo ? int(MsgNo) : kind == MsgRetryCancel ? int(MsgCancel) : int(MsgOk);
}

void CliSession::progress(int value)
{
    if (m_maximum <= 0 || value == m_lastShown)
        return;
    m_lastShown = value;
    if (m_terminal) {
        const int width = 30;
        const int done = width * value / m_maximum;
        std::fprintf(stderr, "\r[%s%s] %d/%d", QByteArray(done, '#').constData(),
                     QByteArray(width - done, ' ').constData(), value, m_maximum);
        if (value >= m_maximum)
            std::fputc('\n', stderr);
    } else {
        std::fprintf(stderr, "progress %d/%d\n", value, m_maximum);
    }
    std::fflush(stderr);
}

int CliSession::run()
{
    SerialPortAdapter port;
    SerialSession session(m_kind, &port);
    session.setPortName(m_port);
    session.setMessageHandler([this](const QString &text, int kind) { return ask(text, kind); });
    session.setBlockObserver([this](bool, int address, const Block &block) {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_blocks.insert(address, block);
    });
    QObject::connect(&session, &SerialSession::progressMaximumChanged,
                     [this](int maximum) { m_maximum = maximum; });
    QObject::connect(&session, &SerialSession::progressChanged, [this](int v) { progress(v); });

    if (!port.open(m_port)) {
        QString reason = QStringLiteral("cannot open port %1: %2").arg(m_port, port.errorString());
#ifdef Q_OS_LINUX
        if (port.errorString().contains(QLatin1String("ermission")))
            reason += QStringLiteral(
                " (add yourself to the group dialout: sudo usermod -aG dialout $USER)");
#endif
        m_failure = reason;
        return PortError;
    }
    port.close();
    if (!session.OpenPort()) {
        m_failure = QStringLiteral("cannot open port %1: %2").arg(m_port, port.errorString());
        return PortError;
    }
    QTimer::singleShot(0, &session, &SerialSession::btnOkClick);
    QCoreApplication::exec();
    session.Close();
    if (m_terminal && m_lastShown >= 0 && m_lastShown < m_maximum)
        std::fputc('\n', stderr);
    return m_status < 0 ? int(NoAnswer) : m_status;
}
