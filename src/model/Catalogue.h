#pragma once

#include <QString>

class TMacType;

// Fills the band table and the model table; the model table also sets ProductName.
void BuildBandTable();
void BuildModelTable();

// The only ways the current model and band change.
void SelectModel(const TMacType *model);
void SelectBand(const QString &label);

// BandLow and BandHigh from a label such as "450 - 470MHz".
void ParseBandLabel(const QString &label, double *low, double *high);
void ParseBandLabel();
