// Any text as a channel list to import.
#include "FuzzSetup.h"

#include "app/DocumentText.h"
#include "model/ChannelTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSetup::once();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList errors;
    Channels().ResetRows(16);
    if (DocumentText::FromCsv(text, Channels(), &errors)) {
        // An accepted list exports and imports to the same list.
        const QString csv = DocumentText::ToCsv(Channels());
        QStringList again;
        if (!DocumentText::FromCsv(csv, Channels(), &again) ||
            DocumentText::ToCsv(Channels()) != csv)
            std::abort();
    }
    return 0;
}
