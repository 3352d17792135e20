#pragma once

#include "app/Program.h"
#include "app/TALL.h"
#include "model/Catalogue.h"
#include "model/ChannelTable.h"
#include "model/TMacList.h"

#include <QCoreApplication>
#include <QTemporaryDir>

// The program-wide objects, set up once per fuzzing process as at start-up.
struct FuzzSetup
{
    static void once() { static FuzzSetup setup; }

private:
    FuzzSetup()
    {
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        static QTemporaryDir dir;
        DataModuleCreate(dir.path() + u'/');
        SelectModel(MacList().Items(0));
        SelectBand(MacList().Items(0)->DefaultBand);
        Channels().ResetRows(All().ChannelCount);
    }
};
