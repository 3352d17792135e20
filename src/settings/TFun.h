#pragma once

#include <QtGlobal>

// The radio-wide function settings; each is stored in the radio as its low byte.
class TFun
{
public:
    TFun() { SetDefaults(); }

    void SetDefaults();
    // Forces every field into the range the radio accepts.
    void Validate();

    qint32 BatterySave;
    qint32 BeepTone;
    qint32 Squelch;
    qint32 SideKey;
    qint32 TxTimeout;
    qint32 Vox;
    qint32 VoxInhibitOnReceive;
    qint32 VoxLevel;
    qint32 VoiceLanguage;
    qint32 Scan;
    qint32 VoicePrompt;
    qint32 HighVoltInhibitTx;
    qint32 LowVoltInhibitTx;
    qint32 InceptAlarm;
    qint32 FmRadio;
};

// Function settings to their defaults and both embedded messages emptied.
void ResetFunctionData();
// The range check that follows a read from the radio.
void ValidateFunctionData();
