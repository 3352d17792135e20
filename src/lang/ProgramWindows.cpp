#include "ProgramWindows.h"

#include "TfFrmAbout.h"
#include "TfSetLanguage.h"
#include "edit/TfBBatchEdit.h"
#include "edit/TfBInfoEdit.h"
#include "edit/TfToneOption.h"
#include "link/TfSetPort.h"
#include "link/TfTestFrequency.h"
#include "link/TfTransferDialog.h"
#include "model/TfModel.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"

std::vector<ProgramDialog> CreateProgramDialogs(ChannelTable *table)
{
    std::vector<ProgramDialog> dialogs;
    auto add = [&](QWidget *window, bool combos) {
        dialogs.push_back({std::unique_ptr<QWidget>(window), combos});
    };
    add(new TfBInfoEdit(table), true);
    add(new TfBBatchEdit(table), true);
    add(new TfToneOption, false);
    add(new TfBFunSet, true);
    add(new TfEmbeddedMessage, true);
    add(new TfSetPort, true);
    add(new TfReadRadio, false);
    add(new TfWriteRadio, false);
    add(new TfTestFrequency, true);
    add(new TfModel, false);
    add(new TfSetLanguage, false);
    add(new TfFrmAbout, false);
    return dialogs;
}
