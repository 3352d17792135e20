// Every block decoder on any 16 bytes; whatever decodes as a channel encodes again.
#include "FuzzSetup.h"

#include "model/TBWriteRead.h"
#include "settings/TFun.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSetup::once();
    Block block;
    block.fill(0xFF);
    std::memcpy(block.data(), data, std::min(size, block.size()));
    TBWriteRead::Channel channel;
    if (TBWriteRead::DecodeChannel(block, &channel)) {
        Block again;
        TBWriteRead::EncodeChannel(again, channel);
    }
    TFun fun;
    TBWriteRead::DecodeBasicSettings(block, fun);
    TBWriteRead::DecodeExtendedSettings(block, fun);
    fun.Validate();
    QString code, model, band, date;
    TBWriteRead::DecodeIdentity(block, &code);
    TBWriteRead::DecodeMessagePart(block);
    TBWriteRead::DecodeHeader(block, &model, &band, &date);
    return 0;
}
