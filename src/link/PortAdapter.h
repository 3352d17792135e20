#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial line as the radio session sees it: open, close, write, read,
// discard, bytes still to write, and two events: data available (with its
// byte count) and line error.
class PortAdapter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool open(const QString &portName) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes and hands the bytes to the system at once; false when the line is gone.
    virtual bool write(const QByteArray &bytes) = 0;
    virtual QByteArray readAll() = 0;
    // Discards whatever waits in the input and output buffers.
    virtual void clear() = 0;
    virtual qint64 bytesToWrite() const = 0;
    virtual QString errorString() const = 0;

    // Raises the line-error event as a parity, framing, overrun or break error would.
    void raiseLineError() { emit lineError(); }

signals:
    void dataAvailable(int count);
    void lineError();
};
