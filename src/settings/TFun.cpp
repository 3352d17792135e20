#include "TFun.h"

#include "TEnMsg.h"
#include "app/Program.h"

void TFun::SetDefaults()
{
    BatterySave = 1;
    BeepTone = 1;
    Squelch = 5;
    SideKey = 1;
    TxTimeout = 6;
    Vox = 0;
    VoxInhibitOnReceive = 0;
    VoxLevel = 4;
    VoiceLanguage = 1;
    Scan = 0;
    VoicePrompt = 1;
    HighVoltInhibitTx = 1;
    LowVoltInhibitTx = 1;
    InceptAlarm = 0;
    FmRadio = 1;
}

namespace {

qint32 inRangeOr(qint32 value, qint32 low, qint32 high, qint32 fallback)
{
    return value >= low && value <= high ? value : fallback;
}

} // namespace

void TFun::Validate()
{
    for (qint32 *flag :
         {&BatterySave, &BeepTone, &Vox, &VoxInhibitOnReceive, &VoiceLanguage, &Scan, &VoicePrompt,
          &HighVoltInhibitTx, &LowVoltInhibitTx, &InceptAlarm, &FmRadio})
        *flag &= 1;
    Squelch = inRangeOr(Squelch, 0, 9, 5);
    SideKey = inRangeOr(SideKey, 0, 5, 0);
    TxTimeout = inRangeOr(TxTimeout, 0, 10, 6);
    VoxLevel = inRangeOr(VoxLevel, 0, 4, 4);
}

void ResetFunctionData()
{
    Fun().SetDefaults();
    EnMsg().Clear();
}

void ValidateFunctionData()
{
    Fun().Validate();
}
