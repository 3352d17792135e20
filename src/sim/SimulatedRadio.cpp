#include "SimulatedRadio.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr quint8 Stx = 0x02;
constexpr quint8 Ack = 0x06;
constexpr int ExtendedSettings = 0x2B0;
constexpr int FileExtendedSettings = 0x370;
// A start bit, 8 data bits and 2 stop bits at 9600 baud.
constexpr double ByteTimeMs = 11000.0 / 9600.0;

void pauseMs(double ms)
{
    std::this_thread::sleep_for(std::chrono::microseconds(qint64(ms * 1000.0)));
}

} // namespace

SimulatedRadio::SimulatedRadio(const QByteArray &image) : m_image(image)
{
    m_image.resize(ImageSize, char(0xFF));
}

SimulatedRadio::~SimulatedRadio()
{
    stop();
}

bool SimulatedRadio::start(QString *error)
{
    auto fail = [&](const char *what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                  QString::fromLocal8Bit(strerror(errno)));
        stop();
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail("grantpt");
    const char *name = ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_devicePath = QString::fromLocal8Bit(name);
    // Keep one handle on the line so it stays raw and the master never sees a
    // hang-up between the program's sessions.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open");
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_slave, TCSANOW, &tio);
    if (pipe(m_wakePipe) != 0)
        return fail("pipe");
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void SimulatedRadio::stop()
{
    if (m_running.exchange(false)) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(m_wakePipe[1], &byte, 1);
    }
    if (m_thread.joinable())
        m_thread.join();
    for (int *fd : {&m_master, &m_slave, &m_wakePipe[0], &m_wakePipe[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void SimulatedRadio::disconnect()
{
    stop();
}

void SimulatedRadio::setBehaviour(const Behaviour &behaviour)
{
    const std::lock_guard<std::mutex> lock(m_lock);
    m_behaviour = behaviour;
    m_answered = 0;
}

QByteArray SimulatedRadio::image() const
{
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_image;
}

void SimulatedRadio::setImage(const QByteArray &image)
{
    const std::lock_guard<std::mutex> lock(m_lock);
    m_image = image;
    m_image.resize(ImageSize, char(0xFF));
}

QByteArray SimulatedRadio::writeCommands() const
{
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_commands;
}

void SimulatedRadio::run()
{
    QByteArray input;
    while (m_running) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        if (::poll(fds, 2, 200) <= 0)
            continue;
        if (fds[1].revents)
            break;
        if (!(fds[0].revents & POLLIN))
            continue;
        char buffer[256];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        bool paced = false;
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            paced = m_behaviour.wirePace;
        }
        // The bytes are here only once they have crossed the wire.
        if (paced)
            pauseMs(double(n) * ByteTimeMs);
        input.append(buffer, n);
        consume(input);
    }
}

void SimulatedRadio::reply(const QByteArray &bytes)
{
    Behaviour b;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        b = m_behaviour;
    }
    if (b.silent)
        return;
    auto put = [this](const char *data, qsizetype size) {
        qsizetype done = 0;
        while (done < size) {
            const ssize_t n = ::write(m_master, data + done, size_t(size - done));
            if (n <= 0)
                return;
            done += n;
        }
    };
    if (b.wirePace) {
        // Against a schedule, so that the sleeps' overshoot does not add up.
        const auto start = std::chrono::steady_clock::now();
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            std::this_thread::sleep_until(
                start + std::chrono::microseconds(qint64((i + 1) * ByteTimeMs * 1000.0)));
            put(bytes.constData() + i, 1);
        }
    } else if (b.splitAnswers && bytes.size() > 1) {
        for (qsizetype i = 0; i < bytes.size(); i += 5) {
            put(bytes.constData() + i, std::min<qsizetype>(5, bytes.size() - i));
            pauseMs(4);
        }
    } else {
        put(bytes.constData(), bytes.size());
    }
}

void SimulatedRadio::consume(QByteArray &input)
{
    for (;;) {
        if (input.isEmpty())
            return;
        Behaviour b;
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            b = m_behaviour;
        }
        const quint8 first = quint8(input[0]);

        // The start of a handshake resets the radio in any phase but one
        // where 0x02 is the identification request.
        if (first == Stx && m_phase != Phase::Ident && m_phase != Phase::IdentSent) {
            input.remove(0, 1);
            m_phase = Phase::Program;
            continue;
        }
        switch (m_phase) {
        case Phase::Idle:
            input.remove(0, 1);
            break;
        case Phase::Program: {
            if (input.size() < 7)
                return;
            const bool program = input.startsWith("PROGRAM");
            input.remove(0, 7);
            if (!program) {
                m_phase = Phase::Idle;
                break;
            }
            ++m_handshakes;
            // A radio that does not acknowledge stays out of programming mode.
            m_phase = b.handshakeReply == Ack ? Phase::Ident : Phase::Idle;
            QByteArray answer;
            if (b.strayByteBeforeAck)
                answer.append(char(0x55));
            answer.append(char(b.handshakeReply));
            reply(answer);
            break;
        }
        case Phase::Ident:
            input.remove(0, 1);
            if (first == Stx) {
                QByteArray ident("P");
                ident += (b.identCode + QStringLiteral("    ")).left(4).toLatin1();
                ident += QByteArray::fromHex("f40000");
                reply(ident);
                m_phase = Phase::IdentSent;
            }
            break;
        case Phase::IdentSent:
            if (first == Ack) {
                input.remove(0, 1);
                reply(QByteArray(1, char(Ack)));
                m_phase = Phase::Ready;
            } else if (first == 'P') {
                // The 0x02 just answered began a new handshake after all.
                m_phase = Phase::Program;
            } else {
                input.remove(0, 1);
            }
            break;
        case Phase::AfterRead:
        case Phase::Ready:
            if (first == Ack) {
                input.remove(0, 1);
                if (!(m_phase == Phase::AfterRead && b.neverAcknowledge))
                    reply(QByteArray(1, char(Ack)));
                m_phase = Phase::Ready;
            } else if (first == 0x45) {
                input.remove(0, 1);
                ++m_ends;
                m_phase = Phase::Idle;
            } else if (first == 0x52) {
                if (input.size() < 4)
                    return;
                const int address = quint8(input[1]) << 8 | quint8(input[2]);
                input.remove(0, 4);
                ++m_reads;
                if (b.answerRequests >= 0 && m_answered >= b.answerRequests)
                    break;
                ++m_answered;
                QByteArray answer;
                answer.append(char(0x57));
                answer.append(char(address >> 8));
                answer.append(char(address & 0xFF));
                answer.append(char(8));
                {
                    const std::lock_guard<std::mutex> lock(m_lock);
                    for (int i = 0; i < 8; ++i)
                        answer.append(address + i < m_image.size() ? m_image[address + i]
                                                                   : char(0xFF));
                }
                answer.append(QByteArray(b.extraBytes, char(0x00)));
                reply(answer);
                m_phase = Phase::AfterRead;
            } else if (first == 0x57 || first == 0x59) {
                if (input.size() < 12)
                    return;
                const int address = quint8(input[1]) << 8 | quint8(input[2]);
                {
                    const std::lock_guard<std::mutex> lock(m_lock);
                    m_commands.append(char(first));
                    const bool stuck = b.stuckBlock >= 0 && (address & ~0xF) == b.stuckBlock;
                    for (int i = 0; i < 8 && !stuck; ++i) {
                        if (address + i < m_image.size())
                            m_image[address + i] = input[4 + i];
                    }
                }
                input.remove(0, 12);
                ++m_writes;
                if (b.answerRequests >= 0 && m_answered >= b.answerRequests)
                    break;
                ++m_answered;
                reply(QByteArray(1, char(Ack)));
            } else {
                input.remove(0, 1);
            }
            break;
        }
    }
}

QByteArray RadioImageFromDataFile(const QByteArray &file)
{
    QByteArray image = file.left(SimulatedRadio::ImageSize);
    image.resize(SimulatedRadio::ImageSize, char(0xFF));
    image.replace(0, 16, QByteArray(16, char(0xFF)));
    image.replace(ExtendedSettings, 16, file.mid(FileExtendedSettings, 16));
    image.replace(FileExtendedSettings, 16, QByteArray(16, char(0xFF)));
    return image;
}
