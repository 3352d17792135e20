#pragma once

#include "TBWriteRead.h"
#include "TextGrid.h"

#include <QObject>
#include <QStringList>

// The channel table: channel n on row n + 1, row 1 the header, column 1 the
// channel number with the used marker as its back text, columns 2 to 10 the
// channel's fields. List columns keep the item index as back text and the
// shown item as fore text, so stored data do not depend on the language.
class ChannelTable : public QObject
{
    Q_OBJECT

public:
    enum Column
    {
        ColNumber = 1,
        ColRx = 2,
        ColTx = 3,
        ColDecode = 4,
        ColEncode = 5,
        ColPower = 6,
        ColBandwidth = 7,
        ColScanAdd = 8,
        ColBeatShift = 9,
        ColBusyLockout = 10,
        ColumnCount = 11,
    };
    static constexpr int HeaderRow = 1;
    static constexpr int FirstChannelRow = 2;

    // The shown item texts of the list columns and the None text of the tone
    // columns, in the window's current language.
    struct ItemTexts
    {
        QString none = QStringLiteral("None");
        QStringList power{QStringLiteral("Low"), QStringLiteral("High")};
        QStringList bandwidth{QStringLiteral("Wide"), QStringLiteral("Narrow")};
        QStringList yesNo{QStringLiteral("Yes"), QStringLiteral("No")};
    };

    explicit ChannelTable(QObject *parent = nullptr);

    const TextGrid &grid() const { return m_grid; }
    int rowCount() const { return m_grid.rowCount(); }
    int channelCount() const { return std::max(0, m_grid.rowCount() - 2); }
    static int rowOfChannel(int channel) { return channel + 1; }

    QString fore(int row, int column) const { return m_grid.fore(row, column); }
    QString back(int row, int column) const { return m_grid.back(row, column); }
    bool isReadOnly(int row, int column) const { return m_grid.isReadOnly(row, column); }
    // A row is a channel when its RX text, trimmed, is not empty.
    bool isUsed(int row) const { return !fore(row, ColRx).trimmed().isEmpty(); }
    bool hasUsedMarker(int row) const { return back(row, ColNumber) == QLatin1String("1"); }

    // Direct writes: no fore-text event.
    void setForeDirect(int row, int column, const QString &text);
    void setBack(int row, int column, const QString &text);
    void setReadOnly(int row, int column, bool readOnly);
    void setColumnReadOnly(int column, bool readOnly);
    // The set-text path: the text is stored and foreTextSet is raised.
    void setForeText(int row, int column, const QString &text);

    const ItemTexts &itemTexts() const { return m_items; }
    void setItemTexts(const ItemTexts &items) { m_items = items; }
    // The item text of a list column at an index given as back text; empty when out of range.
    QString itemText(int column, const QString &index) const;

    void setHeaders(const QStringList &titles);

    // Many changes at once: views are told once, at the end.
    void beginUpdate();
    void endUpdate();

    void ResetRows(int channels);
    void SetChannelUsed(int row);
    void ClearChannel(int row);
    // Re-texts the None texts and list columns of used rows after a language change.
    void RetextRows(const QString &oldNone);
    void LoadFromStaging(const TextGrid &staging);

    // Writes a decoded channel into a row as a used row, directly and unchecked.
    void FillRow(int row, const TBWriteRead::Channel &channel);
    // Builds the channel block of a row and appends the row's used and scan
    // flags. False, with the reason, when a cell cannot be encoded.
    bool EncodeChannelRow(int row, Block *block, QString *usedFlags, QString *scanFlags,
                          QString *error = nullptr) const;

signals:
    // The grid's set-text event: raised after a fore text was set through setForeText.
    void foreTextSet(int row, int column);
    void cellChanged(int row, int column);
    void headerChanged();
    // Rows were added or dropped, or many cells changed at once.
    void tableReset();

private:
    void changed(int row, int column);
    void clearRow(int row);

    TextGrid m_grid{2, ColumnCount};
    ItemTexts m_items;
    int m_updateDepth = 0;
    bool m_pendingReset = false;
};

// Leaves the staging table with the given number of empty channel rows.
void ResetStaging(TextGrid *staging, int channels);
// Writes a decoded channel into a staging row: frequencies and tones as fore
// texts (empty for none), the five flags as back texts.
void WriteStagingRow(TextGrid *staging, int row, const TBWriteRead::Channel &channel);
