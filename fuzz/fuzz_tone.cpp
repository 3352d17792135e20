// Tone words and tone texts: a decoded word encodes back to itself, and any
// typed text normalises to a tone the codec can encode.
#include "FuzzSetup.h"

#include "model/ChannelText.h"
#include "model/ToneTables.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSetup::once();
    if (size >= 2) {
        const QString tone = DecodeTone(data[0], data[1]);
        ToneWord word;
        if (!EncodeTone(tone, &word))
            std::abort();
        if (!tone.isEmpty() && DecodeTone(word.low, word.high) != tone)
            std::abort();
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString normal = NormalizeTone(text);
    ToneWord word;
    if (!EncodeTone(normal, &word))
        std::abort();
    double mhz = 0.0;
    if (ParseDecimal(text, &mhz))
        SnapFrequency(mhz);
    return 0;
}
