#pragma once

#include "support/TestSupport.h"

#include "lang/MsgKind.h"
#include "link/SerialPortAdapter.h"
#include "link/SerialSession.h"
#include "sim/SimulatedRadio.h"

#include <QList>
#include <functional>
#include <memory>

// A session of the program against a simulated radio on a pseudo-terminal,
// through the real port adapter; messages are recorded and answered here.
class LinkFixture
{
public:
    LinkFixture(SerialSession::Kind kind, const QByteArray &radioImage);

    SimulatedRadio radio;
    SerialPortAdapter port;
    SerialSession session;
    QList<ShownMessage> messages;
    // Answers a message; by default OK, Yes, Cancel.
    std::function<int(const QString &text, int kind)> answer;
    int closeRequests = 0;

    QStringList texts() const;
    bool start(); // opens the port and presses Ok
};

// A document worth moving: channels with every kind of tone and flag,
// two messages and settings away from their defaults; UHF model and band.
void FillSampleDocument();

// The radio image that holds the current document.
QByteArray ImageOfDocument();
