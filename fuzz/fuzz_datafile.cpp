// Any byte string opened as a data file.
#include "FuzzSetup.h"

#include "app/DataFile.h"
#include "app/DocumentText.h"
#include "model/ChannelTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSetup::once();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (DataFile::Decode(bytes, Channels(), nullptr) == DataFile::LoadResult::Loaded) {
        // What was opened must save again and print as JSON and CSV.
        QByteArray again;
        DataFile::Encode(Channels(), &again, nullptr);
        DocumentText::ToJson(Channels());
        DocumentText::ToCsv(Channels());
    }
    return 0;
}
