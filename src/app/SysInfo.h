#pragma once

#include <QString>

// Path of SysInfo.Ini beside the executable.
QString SysInfoPath();

// Reads port, language, help prefix and picture number from SysInfo.Ini.
void LoadSysInfo();

// Writes "Com", "DefaultLanguage" and "PicID" back, keeping the rest of the file.
bool SaveSysInfo(QString *errorString = nullptr);

// The help file prefix used when SysInfo.Ini names none.
inline constexpr const char *DefaultHelpPrefix = "VX";
