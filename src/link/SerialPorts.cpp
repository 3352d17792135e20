#include "SerialPorts.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

std::function<QStringList()> &source()
{
    static std::function<QStringList()> probe;
    return probe;
}

// Sort key: the name's letters, then its trailing number ("ttyS2" before "ttyS10").
std::pair<QString, qint64> sortKey(const QString &name)
{
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)(\\d+)$"));
    const QRegularExpressionMatch m = trailingNumber.match(name);
    if (!m.hasMatch())
        return {name, -1};
    return {m.captured(1), m.captured(2).toLongLong()};
}

bool canOpenExclusively(const QSerialPortInfo &info)
{
    QSerialPort port(info);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

QStringList probePorts()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (canOpenExclusively(info))
            names.append(info.portName());
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return sortKey(a) < sortKey(b); });
    return names;
}

} // namespace

void ListSerialPorts(QStringList *list)
{
    if (!list)
        return;
    list->append(source() ? source()() : probePorts());
}

void SetSerialPortSource(std::function<QStringList()> probe)
{
    source() = std::move(probe);
}

bool PortNamesAreCaseInsensitive()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

bool IsConfiguredDevicePath(const QString &portName)
{
#ifdef Q_OS_WIN
    Q_UNUSED(portName);
    return false;
#else
    return portName.startsWith(QLatin1String("/dev/")) && QFileInfo::exists(portName);
#endif
}
