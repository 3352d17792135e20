#pragma once

#include <QByteArray>
#include <QString>

class ChannelTable;
class TMacType;

// Data files (*.dat): a header record followed by the blocks of the radio's
// memory image: channels, blank gap records, extended settings, the four
// message parts, basic settings and identity; 62 records for both models.
namespace DataFile {

constexpr int RecordSize = 16;

// Records of a data file for a model.
int RecordCount(const TMacType &model);

// The document (channel table, function settings, messages, current model
// and band) as the bytes of a data file, saved now. False with the reason
// when a cell cannot be encoded.
bool Encode(const ChannelTable &table, QByteArray *bytes, QString *error);

enum class LoadResult
{
    Loaded,
    ModelUnknown, // the header names a model code that is not in the model table
    NotDataFile,  // too short, or unreadable
};

// Replaces the document by the file's bytes; the model is taken from the
// header and the band from the identity record. Nothing changes unless the
// result is Loaded.
LoadResult Decode(const QByteArray &bytes, ChannelTable &table, QString *error);

} // namespace DataFile

// Writes the document to a file; the old file is replaced only once every
// record was written. Clears Modified on success.
bool SaveDataFile(const QString &path, const ChannelTable &table, QString *error);
// Replaces the document by the content of a file; clears Modified on success.
DataFile::LoadResult LoadDataFile(const QString &path, ChannelTable &table, QString *error);
