#include "Program.h"

#include "SysInfo.h"
#include "TALL.h"
#include "lang/TLanguage.h"
#include "link/TTestFre.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"
#include "model/TextGrid.h"
#include "print/ReportTables.h"
#include "settings/TEnMsg.h"
#include "settings/TFun.h"

#include <QCoreApplication>
#include <QDir>

// Function-local statics, created in first-use order; DataModuleCreate touches
// them in the order the program expects.
TMacList &MacList()
{
    static TMacList instance;
    return instance;
}

TALL &All()
{
    static TALL instance;
    return instance;
}

TTestFre &TestFre()
{
    static TTestFre instance;
    return instance;
}

TEnMsg &EnMsg()
{
    static TEnMsg instance;
    return instance;
}

TFun &Fun()
{
    static TFun instance;
    return instance;
}

TFrqList &FrqList()
{
    static TFrqList instance;
    return instance;
}

TLanguage &Lang()
{
    static TLanguage instance;
    return instance;
}

TextGrid &Staging()
{
    static TextGrid instance;
    return instance;
}

ChannelTable &Channels()
{
    static ChannelTable instance;
    return instance;
}

ReportTables &Report()
{
    static ReportTables instance;
    return instance;
}

QString ExecutableDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    return QDir::toNativeSeparators(dir + u'/');
}

void DataModuleCreate(const QString &appDir)
{
    MacList();
    All();
    TestFre();
    EnMsg();
    Fun();
    FrqList();
    Lang();

    All().AppDir = appDir;
    All().TestOnlineVisible = false;
    if (FrqList().Count() == 0)
        BuildBandTable();
    if (MacList().Count() == 0)
        BuildModelTable();
    ResetFunctionData();
    LoadSysInfo();
    LoadLanguage(All().LanguageName);
    All().Relocalising = false;
}
