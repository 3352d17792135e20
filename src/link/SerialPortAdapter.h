#pragma once

#include "PortAdapter.h"

#include <QSerialPort>

// The port adapter on Qt SerialPort. A port name is "COM3" on Windows and a
// device name ("ttyUSB0") or path elsewhere.: 9600 baud, 8 data bits, no parity, 2
// stop bits, no flow control, DTR and RTS on, 4096-byte buffers. Line errors
// are read from the system's error counters when data arrives; a device that
// goes away is closed at once and reported as a line error.
class SerialPortAdapter : public PortAdapter
{
    Q_OBJECT

public:
    explicit SerialPortAdapter(QObject *parent = nullptr);
    ~SerialPortAdapter() override;

    bool open(const QString &portName) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    bool write(const QByteArray &bytes) override;
    QByteArray readAll() override;
    void clear() override;
    qint64 bytesToWrite() const override { return m_port.bytesToWrite(); }
    QString errorString() const override { return m_error; }

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    bool lineErrorsRose();

    QSerialPort m_port;
    QString m_error;
    quint64 m_lineErrors = 0;
};
