#pragma once

#include <QString>
#include <QStringList>

// The 206-item tone list of the tone editors: "None", 39 CTCSS tones, then
// 83 DCS codes normal ("D023N") and the same 83 inverted ("D023I").
const QStringList &ToneList();

// The 133 entries of the tone picker: 42 CTCSS entries ("01-67.0-XZ"),
// 3 empty, 85 DCS entries ("1-D023"), 3 empty.
const QStringList &TonePickerList();

// A tone word as it sits in a channel block: low byte first.
struct ToneWord
{
    quint8 low = 0xFF;
    quint8 high = 0xFF;
};

// Tone text to tone word; the empty text is no tone (FF FF). False when the
// text is neither empty, a DCS text nor a CTCSS number that fits the word.
bool EncodeTone(const QString &tone, ToneWord *word);
// Tone word to tone text; the empty text stands for no tone.
QString DecodeTone(quint8 low, quint8 high);
