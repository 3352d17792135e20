// Reads and writes the simulated radio at real wire pace and prints each
// duration beside the floor the protocol allows: the bytes on the wire at
// 9600 baud with 2 stop bits plus the waits the session must make.
#include "app/DataFile.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "lang/MsgKind.h"
#include "lang/TLanguage.h"
#include "link/SerialPortAdapter.h"
#include "link/SerialSession.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TMacList.h"
#include "sim/SimulatedRadio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double ByteMs = 11000.0 / 9600.0;

// Read: 500 ms before the handshake; 0x02, 200 ms, "PROGRAM" 2 ms apart; 0x06;
// 5 ms, 0x02, 8 bytes; 5 ms; then 97 answers in the transfer, each 5 ms before
// the worker wakes: the acknowledge exchange and 48 requests (4 out, 12 in,
// 0x06 out, 0x06 in); 0x45.
double readFloorMs(int blocks)
{
    const int requests = 2 * blocks;
    const double bytes = 8 + 1 + 1 + 8 + 2 + requests * 18.0 + 1;
    const double waits = 500 + 200 + 6 * 2 + 5 + 5 + (1 + 2 * requests) * 5.0;
    return bytes * ByteMs + waits;
}

// Write: 450 ms and 50 ms before the handshake; the same handshake and
// identification; the acknowledge exchange; 48 requests (12 out, 1 in, 28 ms); 0x45.
double writeFloorMs(int blocks)
{
    const int requests = 2 * blocks;
    const double bytes = 8 + 1 + 1 + 8 + 2 + requests * 13.0 + 1;
    const double waits = 450 + 50 + 200 + 6 * 2 + 5 + 5 + requests * 28.0;
    return bytes * ByteMs + waits;
}

// Runs one session to its end message; returns milliseconds from Ok to that message.
double run(SerialSession::Kind kind, SimulatedRadio &radio)
{
    SerialPortAdapter port;
    SerialSession session(kind, &port);
    session.setPortName(radio.devicePath());
    QElapsedTimer clock;
    double elapsed = -1;
    const QString done = kind == SerialSession::Kind::Read ? Lang().ReadOk : Lang().WriteOk;
    session.setMessageHandler([&](const QString &text, int) {
        if (text == done) {
            elapsed = double(clock.nsecsElapsed()) / 1e6;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        } else {
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return int(MsgOk);
    });
    if (!session.OpenPort())
        return -1;
    QTimer::singleShot(0, [&] {
        clock.start();
        session.btnOkClick();
    });
    QCoreApplication::exec();
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DataModuleCreate(dir.path() + u'/');
    SelectModel(MacList().Items(0));
    SelectBand(MacList().Items(0)->DefaultBand);
    Channels().ResetRows(16);
    for (int n = 1; n <= 16; ++n) {
        Channels().setForeDirect(ChannelTable::rowOfChannel(n), ChannelTable::ColRx,
                                 QStringLiteral("%1").arg(450.0 + n * 0.0125, 0, 'f', 5));
        Channels().SetChannelUsed(ChannelTable::rowOfChannel(n));
    }
    QByteArray file;
    DataFile::Encode(Channels(), &file, nullptr);

    SimulatedRadio radio(RadioImageFromDataFile(file));
    SimulatedRadio::Behaviour paced;
    paced.wirePace = true;
    radio.setBehaviour(paced);
    QString error;
    if (!radio.start(&error)) {
        std::fprintf(stderr, "simulated radio: %s\n", qPrintable(error));
        return 1;
    }
    const int blocks = 16 + 8;
    const double read = run(SerialSession::Kind::Read, radio);
    const double write = run(SerialSession::Kind::Write, radio);
    const double readFloor = readFloorMs(blocks);
    const double writeFloor = writeFloorMs(blocks);
    std::printf("read   %8.1f ms   floor %8.1f ms   ratio %.3f\n", read, readFloor,
                read / readFloor);
    std::printf("write  %8.1f ms   floor %8.1f ms   ratio %.3f\n", write, writeFloor,
                write / writeFloor);
    return read > 0 && write > 0 ? 0 : 1;
}
