#pragma once

#include <QWidget>

#include <memory>
#include <vector>

class ChannelTable;

// A dialog of the program and whether its combo boxes are localised.
struct ProgramDialog
{
    std::unique_ptr<QWidget> window;
    bool localiseCombos = false;
};

// One of each dialog of the program (the main and the channel window aside),
// not shown: for checking and timing their localisation.
std::vector<ProgramDialog> CreateProgramDialogs(ChannelTable *table);
