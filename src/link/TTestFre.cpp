#include "TTestFre.h"

void TTestFre::SetDefaults()
{
    static const char *const defaults[][2] = {
        {"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"479.95000", "479.90000"},
        {"460.00000", "460.00000"}, {"460.20000", "460.20000"}, {"460.40000", "460.40000"},
    };
    for (int i = 0; i < SlotCount; ++i) {
        const bool hasDefault = i < int(std::size(defaults));
        RxTest[size_t(i)] = hasDefault ? QString::fromLatin1(defaults[i][0]) : QString();
        TxTest[size_t(i)] = hasDefault ? QString::fromLatin1(defaults[i][1]) : QString();
    }
}
