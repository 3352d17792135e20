#pragma once

#include <QString>

class TMacType;

// The shared state of the program: language, port, folders, the current model
// and band with their limits, the codec's per-channel flag texts and Modified.
class TALL
{
public:
    QString LanguageName;
    qint32 LanguageIndex = 0;
    QString PortName;
    QString AppDir;
    QString ProductName;
    qint32 ChannelCount = 0;
    QString ModelName;
    QString BandLabel;
    QString FileDate;
    double ModelMaxFrequency = 0.0;
    double ModelMinFrequency = 0.0;
    double BandHigh = 0.0;
    double BandLow = 0.0;
    QString ModelCode;
    QString UsedFlags;
    QString ScanFlags;
    qint32 PictureId = 0;
    bool Modified = false;
    bool Relocalising = false;
    QString HelpPrefix;
    bool TestOnlineVisible = false;
    const TMacType *CurrentModel = nullptr;
};
