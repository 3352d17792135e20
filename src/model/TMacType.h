#pragma once

#include <QString>
#include <QStringList>

// One radio model: its code, name, channel count, frequency limits, the bands
// it can be built for and how its memory is laid out around the channels.
class TMacType
{
public:
    TMacType(const QString &code, const QString &displayName, qint32 channelCount);

    void SetLimits(double maxFrequency, double minFrequency);
    void SetGapBlocks(qint32 gapBlocks) { GapBlocks = gapBlocks; }
    void SetDefaultBand(const QString &band) { DefaultBand = band; }
    void AddBand(const QString &band) { Bands.append(band); }

    QString Code;
    QString DisplayName;
    qint32 ChannelCount = 0;
    double MaxFrequency = 0.0;
    double MinFrequency = 0.0;
    QStringList Bands;
    qint32 GapBlocks = 0;
    QString DefaultBand;
};
