#pragma once

#include <QString>

// The two embedded messages the radio stores, up to 32 characters each.
class TEnMsg
{
public:
    static constexpr int MaxLength = 32;

    void Clear()
    {
        MessageA.clear();
        MessageB.clear();
    }

    QString MessageA;
    QString MessageB;
};
