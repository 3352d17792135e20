#pragma once

#include <QString>

#include <array>

// Sixteen receive and transmit test frequency pairs, kept in memory for the run.
class TTestFre
{
public:
    static constexpr int SlotCount = 16;

    TTestFre() { SetDefaults(); }
    void SetDefaults();

    // Slots 1 to 16 live at indexes 0 to 15.
    std::array<QString, SlotCount> RxTest;
    std::array<QString, SlotCount> TxTest;
};
