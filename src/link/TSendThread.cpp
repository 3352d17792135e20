#include "TSendThread.h"

#include "SerialSession.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

namespace {

constexpr quint8 Ack = 0x06;
constexpr quint8 ReadCommand = 0x52;
constexpr quint8 WriteCommand = 0x57;
constexpr quint8 WriteSettingsCommand = 0x59;
constexpr quint8 EndCommand = 0x45;
constexpr int ExtendedSettingsAddress = 0x2B0;
constexpr int BitmapAddress = 0x2C0;

} // namespace

TSendThread::TSendThread(SerialSession *session, quint64 attempt, const QString &modelCode)
    : m_session(session), m_attempt(attempt), m_modelCode(modelCode)
{}

TSendThread::~TSendThread()
{
    abandon();
    if (m_thread.joinable())
        m_thread.join();
}

void TSendThread::start()
{
    m_thread = std::thread([this] { run(); });
}

void TSendThread::wake()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_signaled = true;
    }
    m_signal.notify_one();
}

void TSendThread::poke()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
    }
    m_signal.notify_one();
}

void TSendThread::abandon()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_abandoned = true;
        m_signaled = true;
    }
    m_signal.notify_one();
}

bool TSendThread::isParked()
{
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_parked;
}

void TSendThread::park()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_parked = true;
    m_signal.wait(lock, [this] { return m_signaled; });
    m_signaled = false;
    m_parked = false;
    if (m_abandoned)
        throw Abandoned{};
}

void TSendThread::pause(int ms)
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (m_signal.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_abandoned; }))
        throw Abandoned{};
}

void TSendThread::run()
{
    bool completed = false;
    try {
        if (m_session->m_kind == SerialSession::Kind::Read)
            m_session->postOkEnabled(m_attempt, false);
        m_session->MessageShown = false;
        completed = RunTransfer();
    } catch (const Abandoned &) {
        return; // given up: nothing more is touched
    } catch (...) {
        completed = false;
    }
    Completed = completed;
    m_session->postDone(m_attempt, completed);
}

void TSendThread::request(const QByteArray &bytes, int expected, bool startTryTime)
{
    m_session->ExpectedCount = expected;
    m_session->LineErrorFlag = false;
    m_session->postSend(m_attempt, bytes, startTryTime);
}

quint8 TSendThread::answerByte(int index)
{
    const std::lock_guard<std::mutex> lock(m_session->m_answerLock);
    return m_session->m_answer[size_t(index)];
}

void TSendThread::advanceProgress()
{
    m_progress = std::min(m_progress + 1, m_progressMaximum);
    m_session->postProgress(m_attempt, m_progress, m_progressMaximum);
}

bool TSendThread::ExchangeAck()
{
    request(QByteArray(1, char(Ack)), 1, false);
    park();
    return answerByte(0) == Ack;
}

bool TSendThread::ReadBlock(int address, Block *block)
{
    for (int half = address; half <= address + 8; half += 8) {
        const char frame[] = {char(ReadCommand), char(half >> 8 & 0xFF), char(half & 0xFF), 8};
        request(QByteArray(frame, 4), 12, true);
        park();
        if (m_session->LineErrorFlag)
            return false;
        for (int i = 0; i < 8; ++i)
            (*block)[size_t(half - address + i)] = answerByte(4 + i);
        if (!ExchangeAck())
            return false;
    }
    if (m_session->m_blockObserver)
        m_session->m_blockObserver(false, address, *block);
    advanceProgress();
    return true;
}

bool TSendThread::WriteBlock(int address, const Block &block, quint8 command)
{
    for (int half = address; half <= address + 8; half += 8) {
        QByteArray frame;
        frame.append(char(command));
        frame.append(char(half >> 8 & 0xFF));
        frame.append(char(half & 0xFF));
        frame.append(char(8));
        frame.append(reinterpret_cast<const char *>(block.data()) + (half - address), 8);
        request(frame, 1, true);
        park();
        pause(28);
        if (m_session->LineErrorFlag)
            return false;
    }
    if (m_session->m_blockObserver)
        m_session->m_blockObserver(true, address, block);
    advanceProgress();
    return true;
}

void TSendThread::SendEnd()
{
    // Wait until the end byte has left the port's output buffer, 5 s at the most.
    m_session->m_outputPending = 1;
    request(QByteArray(1, char(EndCommand)), 1, false);
    std::unique_lock<std::mutex> lock(m_lock);
    for (int check = 0; check < 100; ++check) {
        if (m_signal.wait_for(lock, std::chrono::milliseconds(50), [this] {
                return m_abandoned || m_session->m_outputPending.load() == 0;
            }))
            break;
    }
    if (m_abandoned)
        throw Abandoned{};
}

bool TSendThread::RunTransfer()
{
    return m_session->m_kind == SerialSession::Kind::Read ? RunRead() : RunWrite();
}

bool TSendThread::RunRead()
{
    if (!ExchangeAck())
        return false;
    const TMacType *model = MacList().FindByCode(m_modelCode);
    if (!model)
        return false;
    SelectModel(model);
    const int channels = model->ChannelCount;
    ResetStaging(&Staging(), channels);
    m_progressMaximum = channels + 6;
    m_progress = 0;
    m_session->postProgress(m_attempt, 0, m_progressMaximum);

    Block block;
    if (!ReadBlock(0x000, &block))
        return false;
    for (int i = 1; i <= channels; ++i) {
        if (!ReadBlock(0x10 * i, &block))
            return false;
        TBWriteRead::Channel channel;
        if (TBWriteRead::DecodeChannel(block, &channel))
            WriteStagingRow(&Staging(), ChannelTable::rowOfChannel(i), channel);
    }
    int address = 0x10 * (channels + model->GapBlocks + 1);
    QString *messages[] = {&EnMsg().MessageA, &EnMsg().MessageB};
    for (QString *message : messages) {
        if (!ReadBlock(address, &block))
            return false;
        *message = TBWriteRead::DecodeMessagePart(block);
        address += 0x10;
        if (!ReadBlock(address, &block))
            return false;
        *message += TBWriteRead::DecodeMessagePart(block);
        address += 0x10;
    }
    if (!ReadBlock(address, &block))
        return false;
    TBWriteRead::DecodeBasicSettings(block, Fun());
    address += 0x10;
    if (!ReadBlock(address, &block))
        return false;
    const quint8 band = TBWriteRead::DecodeIdentity(block, &All().ModelCode);
    SelectBand(FrqList().LabelOf(band));
    if (!ReadBlock(ExtendedSettingsAddress, &block))
        return false;
    TBWriteRead::DecodeExtendedSettings(block, Fun());
    SendEnd();
    m_session->postProgress(m_attempt, m_progressMaximum, m_progressMaximum);
    return true;
}

bool TSendThread::RunWrite()
{
    if (!ExchangeAck())
        return false;
    TALL &all = All();
    const TMacType *model = all.CurrentModel;
    if (!model)
        return false;
    const int channels = model->ChannelCount;
    m_progressMaximum = channels <= 16 ? channels + 6 : channels + 10;
    m_progress = 0;
    m_session->postProgress(m_attempt, 0, m_progressMaximum);

    Block block;
    TBWriteRead::FillBlank(block);
    if (!WriteBlock(0x000, block, WriteCommand))
        return false;
    all.UsedFlags.clear();
    all.ScanFlags.clear();
    const ChannelTable &table = Channels();
    for (int i = 1; i <= channels; ++i) {
        if (!table.EncodeChannelRow(ChannelTable::rowOfChannel(i), &block, &all.UsedFlags,
                                    &all.ScanFlags))
            return false;
        if (!WriteBlock(0x10 * i, block, WriteCommand))
            return false;
    }
    int address = 0x10 * (channels + model->GapBlocks + 1);
    for (const QString &message : {EnMsg().MessageA, EnMsg().MessageB}) {
        for (int part = 0; part < 2; ++part) {
            TBWriteRead::EncodeMessagePart(block, message.mid(16 * part, 16));
            if (!WriteBlock(address, block, WriteCommand))
                return false;
            address += 0x10;
        }
    }
    TBWriteRead::EncodeBasicSettings(block, Fun());
    if (!WriteBlock(address, block, WriteCommand))
        return false;
    address += 0x10;
    TBWriteRead::EncodeIdentity(block, FrqList().CodeOf(all.BandLabel), all.ModelCode);
    if (!WriteBlock(address, block, WriteCommand))
        return false;
    TBWriteRead::EncodeExtendedSettings(block, Fun());
    if (!WriteBlock(ExtendedSettingsAddress, block, WriteSettingsCommand))
        return false;
    if (channels > 16) {
        int bitmap = BitmapAddress;
        for (const QString *flags : {&all.UsedFlags, &all.ScanFlags}) {
            for (int part = 0; part < 2; ++part) {
                TBWriteRead::EncodeFlagBitmap(block, flags->mid(128 * part, 128));
                if (!WriteBlock(bitmap, block, WriteCommand))
                    return false;
                bitmap += 0x10;
            }
        }
    }
    SendEnd();
    m_session->postProgress(m_attempt, m_progressMaximum, m_progressMaximum);
    return true;
}
