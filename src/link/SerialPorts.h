#pragma once

#include <QStringList>

#include <functional>

// Appends the name of every serial port that can be opened exclusively right
// now, in increasing order; does nothing when the list is absent.
void ListSerialPorts(QStringList *list);

// Replaces the system's port probe (tests give a fixed list); an empty function restores it.
void SetSerialPortSource(std::function<QStringList()> source);

// Whether port names are the Windows kind ("COM3") that the program upper-cases.
bool PortNamesAreCaseInsensitive();

// A port named by a device path ("/dev/pts/3") rather than by a name the
// system lists: kept as the user configured it when the device exists.
bool IsConfiguredDevicePath(const QString &portName);
