#pragma once

#include <QString>
#include <QStringList>

class ChannelTable;

// The document as text for other programs: JSON for reading, CSV for
// spreadsheets, and CSV back into the channel table.
namespace DocumentText {

// The document (model, band, date saved, every channel, settings, messages)
// as JSON; tones as tone texts with "" for none, list values as item indices.
QString ToJson(const ChannelTable &table);

// The used channels as RFC 4180 CSV with the grid's English column titles.
QString ToCsv(const ChannelTable &table);

// Reads CSV into the channel table of the current model. Every row is checked
// by the rules of the grid, and a value the grid would replace is an error.
// On any error the table is left as it was and every problem is listed.
bool FromCsv(const QString &csv, ChannelTable &table, QStringList *errors);

// Splits RFC 4180 text into records of fields; false when a quote is left open.
bool ParseCsv(const QString &text, QList<QStringList> *records);

} // namespace DocumentText
