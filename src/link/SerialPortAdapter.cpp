#include "SerialPortAdapter.h"

#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Parity, framing, overrun and break errors counted by the driver so far.
bool readLineErrorCount(const QSerialPort &port, quint64 *count)
{
#if defined(Q_OS_LINUX)
    serial_icounter_struct counters{};
    if (::ioctl(int(port.handle()), TIOCGICOUNT, &counters) != 0)
        return false; // pseudo-terminals and some adapters keep no counters
    *count = quint64(counters.frame) + quint64(counters.parity) + quint64(counters.overrun) +
             quint64(counters.brk) + quint64(counters.buf_overrun);
    return true;
#elif defined(Q_OS_WIN)
    DWORD errors = 0;
    if (!ClearCommError(port.handle(), &errors, nullptr))
        return false;
    if (errors & (CE_FRAME | CE_RXPARITY | CE_OVERRUN | CE_RXOVER | CE_BREAK))
        ++*count;
    return true;
#else
    Q_UNUSED(port);
    Q_UNUSED(count);
    return false;
#endif
}

} // namespace

SerialPortAdapter::SerialPortAdapter(QObject *parent) : PortAdapter(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPortAdapter::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialPortAdapter::onError);
}

SerialPortAdapter::~SerialPortAdapter()
{
    close();
}

bool SerialPortAdapter::open(const QString &portName)
{
    close();
    m_error.clear();
    if (portName.trimmed().isEmpty()) {
        m_error = QStringLiteral("No serial port is chosen.");
        return false;
    }
    m_port.setPortName(portName);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(4096);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_error = m_port.errorString();
        return false;
    }
    // A line without modem control lines (a pseudo-terminal) refuses these; the session goes on.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError();
    m_lineErrors = 0;
    readLineErrorCount(m_port, &m_lineErrors);
    return true;
}

void SerialPortAdapter::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SerialPortAdapter::write(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return false;
    if (m_port.write(bytes) != bytes.size())
        return false;
    m_port.flush();
    return m_port.isOpen();
}

QByteArray SerialPortAdapter::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void SerialPortAdapter::clear()
{
    if (m_port.isOpen())
        m_port.clear(QSerialPort::AllDirections);
}

bool SerialPortAdapter::lineErrorsRose()
{
    quint64 count = m_lineErrors;
    if (!readLineErrorCount(m_port, &count) || count == m_lineErrors)
        return false;
    m_lineErrors = count;
    return true;
}

void SerialPortAdapter::onReadyRead()
{
    if (lineErrorsRose())
        emit lineError();
    const qint64 available = m_port.bytesAvailable();
    if (available > 0)
        emit dataAvailable(int(available));
}

void SerialPortAdapter::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
    case QSerialPort::PermissionError:
        // The device went away: left open, the port would repeat the error at full speed.
        if (m_port.isOpen()) {
            m_error = m_port.errorString();
            m_port.clearError();
            m_port.close();
            emit lineError();
        }
        break;
    default:
        break;
    }
}
