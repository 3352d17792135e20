#pragma once

#include <QString>

class TALL;
class TMacList;
class TFrqList;
class TLanguage;
class TFun;
class TEnMsg;
class TTestFre;
class TextGrid;
class ChannelTable;
class ReportTables;

// The program-wide objects. They are created once, live until the process
// ends and are reached directly by every part of the program.
TMacList &MacList();
TALL &All();
TTestFre &TestFre();
TEnMsg &EnMsg();
TFun &Fun();
TFrqList &FrqList();
TLanguage &Lang();
// The staging table into which a read from the radio decodes its channels.
TextGrid &Staging();
// The channel table of the document; the channel window shows it.
ChannelTable &Channels();
// The two in-memory tables of the last print or preview.
ReportTables &Report();

// Start-up of the program-wide objects: catalogue, defaults, SysInfo.Ini and
// the message table of the chosen language. appDir ends with a separator.
void DataModuleCreate(const QString &appDir);

// The folder of the running executable, with its trailing separator.
QString ExecutableDir();
