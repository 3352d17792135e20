#pragma once

#include <QString>

// SysInfo.Ini lives beside the executable. Where that folder is not writable
// (an installation in /opt), the user's own copy in the configuration folder
// is read when it exists and written at exit.
QString SysInfoPath();
QString SysInfoWritePath();

// Reads port, language, help prefix and picture number from SysInfo.Ini.
void LoadSysInfo();

// Writes "Com", "DefaultLanguage" and "PicID" back, keeping the rest of the file.
bool SaveSysInfo(QString *errorString = nullptr);

// The help file prefix used when SysInfo.Ini names none.
inline constexpr const char *DefaultHelpPrefix = "VX";
