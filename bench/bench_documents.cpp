// Documents: open, save and dump of a data file, and a language switch with
// every window of the program localised, each repeated 1,000 times.
#include "app/DataFile.h"
#include "app/DocumentText.h"
#include "app/Program.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "edit/TfChInfo.h"
#include "lang/LocalizeForm.h"
#include "lang/ProgramWindows.h"
#include "lang/TLanguage.h"
#include "model/ChannelTable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

void measure(const char *what, int repeats, const std::function<void(int)> &operation)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < repeats; ++i)
        operation(i);
    std::printf("%-40s %9.3f ms per operation (%d runs)\n", what,
                double(clock.nsecsElapsed()) / 1e6 / repeats, repeats);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The language files sit beside the program in build/bin.
    DataModuleCreate(ExecutableDir() + QStringLiteral("../bin/"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.dat"));

    TfMainFrm main;
    main.show();
    for (int n = 1; n <= 16; ++n) {
        const int row = ChannelTable::rowOfChannel(n);
        Channels().setForeDirect(row, ChannelTable::ColRx,
                                 QStringLiteral("%1").arg(450.0 + n * 0.0125, 0, 'f', 5));
        Channels().SetChannelUsed(row);
    }
    constexpr int repeats = 1000;
    measure("save a data file", repeats, [&](int) { SaveDataFile(path, Channels(), nullptr); });
    measure("open a data file", repeats, [&](int) { LoadDataFile(path, Channels(), nullptr); });
    measure("dump a data file as JSON", repeats, [&](int) {
        LoadDataFile(path, Channels(), nullptr);
        DocumentText::ToJson(Channels());
    });

    ChannelTable table;
    std::vector<std::pair<QWidget *, bool>> windows{{&main, true}, {main.channelWindow(), true}};
    const std::vector<ProgramDialog> dialogs = CreateProgramDialogs(&table);
    for (const ProgramDialog &d : dialogs)
        windows.push_back({d.window.get(), d.localiseCombos});
    measure("switch language, all 14 windows", repeats, [&](int i) {
        const QString language = i % 2 ? QStringLiteral("English") : QStringLiteral("Chinese");
        All().LanguageName = language;
        LoadLanguage(language);
        for (const auto &[window, combos] : windows) {
            if (window == main.channelWindow())
                main.channelWindow()->RefreshLanguage();
            else
                LocalizeForm(window, language, combos);
        }
    });
    return 0;
}
