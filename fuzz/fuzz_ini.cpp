// Any bytes as SysInfo.Ini or a language file: read, changed and written back.
#include "FuzzSetup.h"

#include "lang/IniFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSetup::once();
    IniFile ini;
    ini.parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString com = ini.value("SysInfo", "Com", "Com1");
    ini.value("Language", "Confirmation", "x");
    ini.setValue("SysInfo", "Com", "COM3");
    ini.setValue("SysInfo", "PicID", "0");
    IniFile again;
    again.parse(ini.toBytes());
    // A written key reads back as written.
    if (again.value("SysInfo", "Com") != QLatin1String("COM3"))
        std::abort();
    Q_UNUSED(com);
    return 0;
}
