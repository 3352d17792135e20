#include "LinkFixture.h"

#include "app/DataFile.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "model/ChannelTable.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

LinkFixture::LinkFixture(SerialSession::Kind kind, const QByteArray &radioImage)
    : radio(radioImage), session(kind, &port)
{
    QString error;
    if (!radio.start(&error))
        qFatal("simulated radio: %s", qPrintable(error));
    session.setPortName(radio.devicePath());
    session.setMessageHandler([this](const QString &text, int boxKind) {
        messages.append({QString(), text, boxKind});
        if (answer)
            return answer(text, boxKind);
        return boxKind == MsgYesNo         ? int(MsgYes)
               : boxKind == MsgRetryCancel ? int(MsgCancel)
                                           : int(MsgOk);
    });
    QObject::connect(&session, &SerialSession::closeRequested, [this] { ++closeRequests; });
}

QStringList LinkFixture::texts() const
{
    QStringList list;
    for (const ShownMessage &m : messages)
        list.append(m.text);
    return list;
}

bool LinkFixture::start()
{
    if (!session.OpenPort())
        return false;
    session.btnOkClick();
    return true;
}

void FillSampleDocument()
{
    ChannelTable &t = Channels();
    t.ResetRows(16);
    struct Row
    {
        int channel;
        const char *rx, *tx, *decode, *encode;
        const char *flags; // power, bandwidth, scan add, beat shift, busy lockout
    };
    const Row rows[] = {
        {1, "462.56250", "467.56250", "None", "D023N", "10010"},
        {2, "446.00625", "", "67.0", "None", "01101"},
        {5, "470.00000", "450.00000", "D754I", "254.1", "11111"},
        {16, "300.00000", "650.00000", "D023n", "88.5", "00000"},
    };
    for (const Row &r : rows) {
        const int row = ChannelTable::rowOfChannel(r.channel);
        t.setForeDirect(row, ChannelTable::ColRx, r.rx);
        t.SetChannelUsed(row);
        t.setForeDirect(row, ChannelTable::ColTx, r.tx);
        t.setForeDirect(row, ChannelTable::ColDecode, r.decode);
        t.setForeDirect(row, ChannelTable::ColEncode, r.encode);
        for (int c = ChannelTable::ColPower; c <= ChannelTable::ColBusyLockout; ++c) {
            const QString index(QChar(r.flags[c - ChannelTable::ColPower]));
            t.setBack(row, c, index);
            t.setForeDirect(row, c, t.itemText(c, index));
        }
    }
    EnMsg().MessageA = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 12345";
    EnMsg().MessageB = "Hello";
    Fun().Squelch = 2;
    Fun().Vox = 1;
    Fun().VoxLevel = 1;
    Fun().TxTimeout = 10;
    Fun().FmRadio = 0;
}

QByteArray ImageOfDocument()
{
    QByteArray file;
    QString error;
    if (!DataFile::Encode(Channels(), &file, &error))
        qFatal("encode: %s", qPrintable(error));
    return RadioImageFromDataFile(file);
}
