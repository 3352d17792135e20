#pragma once

#include <QList>
#include <QString>

// A frequency in MHz as the table keeps it: five decimals, a point, no grouping.
QString FormatFrequency(double mhz);

// Parses a decimal number with a point, whatever the locale; false when it is not one.
bool ParseDecimal(const QString &text, double *value);

// Moves a frequency down to the channel raster: 5 kHz for whole kHz, else 6.25 kHz.
double SnapFrequency(double mhz);

// Turns a typed tone into a valid tone text: CTCSS clamped to 30.0..290.0,
// DCS as "D" + three octal digits + N or I, anything else "D777N".
QString NormalizeTone(const QString &text);

// The warnings a typed frequency can give.
enum class FrequencyWarning
{
    ErrRange, // outside the model's limits: replaced by the band edge on that side
    OutRange, // inside the model's limits but outside the current band: kept
};

// Limits a typed frequency: beyond the model's limits it becomes the current
// band's edge on that side; the warnings that apply are returned in order.
QList<FrequencyWarning> LimitFrequency(double *mhz);
