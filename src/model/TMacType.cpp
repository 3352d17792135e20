#include "TMacType.h"

TMacType::TMacType(const QString &code, const QString &displayName, qint32 channelCount)
    : Code(code), DisplayName(displayName), ChannelCount(channelCount)
{}

void TMacType::SetLimits(double maxFrequency, double minFrequency)
{
    MaxFrequency = maxFrequency;
    MinFrequency = minFrequency;
}
