// Arbitrary radio answers fed to the session's receive path: the handshake,
// the identification and, through the worker, the read of every block.
#include "FuzzSetup.h"

#include "link/PortAdapter.h"
#include "link/SerialSession.h"

#include <QCoreApplication>

namespace {

// A port whose answers are the fuzzer's bytes.
class FuzzPort : public PortAdapter
{
public:
    bool open(const QString &) override { return m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray &) override { return m_open; }
    QByteArray readAll() override { return std::exchange(m_pending, QByteArray()); }
    void clear() override { m_pending.clear(); }
    qint64 bytesToWrite() const override { return 0; }
    QString errorString() const override { return {}; }

    void deliver(const QByteArray &bytes)
    {
        m_pending = bytes;
        emit dataAvailable(int(bytes.size()));
    }

private:
    bool m_open = false;
    QByteArray m_pending;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSetup::once();
    if (size < 1)
        return 0;
    FuzzPort port;
    SerialSession session(data[0] & 1 ? SerialSession::Kind::Write : SerialSession::Kind::Read,
                          &port);
    session.setWaits(false);
    session.setPortName(QStringLiteral("fuzz"));
    session.setMessageHandler([](const QString &, int kind) {
        return kind == MsgYesNo         ? int(MsgYes)
               : kind == MsgRetryCancel ? int(MsgCancel)
                                        : int(MsgOk);
    });
    session.OpenPort();
    session.StartSession();
    // Answers in batches: each input byte n > 0 starts a batch of (n % 16) + 1 bytes.
    size_t i = 1;
    while (i < size) {
        const size_t length = std::min<size_t>(size - i, size_t(data[i] % 16) + 1);
        port.deliver(QByteArray(reinterpret_cast<const char *>(data + i + 1),
                                qsizetype(std::min(length, size - i - 1))));
        i += length + 1;
        QCoreApplication::processEvents();
    }
    session.Close();
    return 0;
}
