#pragma once

#include <QList>
#include <QString>

class ChannelTable;

// The report header table: one record for a print run.
struct ReportHeader
{
    QString Title;  // 20
    QString AField; // 100
    QString AValue; // 100
    QString BField; // 100
    QString BValue; // 100
    QString CField; // 30
    QString CValue; // 30
};

// The report detail table: one record per printed row; records of one
// section share a TypeID (9 function settings, 8 channels).
struct ReportRecord
{
    qint32 TypeID = 0;
    QString TypeName; // 20
    QString AField;   // 100
    QString AValue;   // 100
    QString BField;   // 100
    QString BValue;   // 100
};

// The two in-memory tables a print or preview is drawn from. Texts longer
// than their field are cut when appended.
class ReportTables
{
public:
    void clear();
    void setHeader(const ReportHeader &header);
    void append(const ReportRecord &record);

    const QList<ReportHeader> &myMain() const { return m_main; }
    const QList<ReportRecord> &myAdo() const { return m_ado; }

private:
    QList<ReportHeader> m_main;
    QList<ReportRecord> m_ado;
};

// Cuts a text to a field width counted in single-byte characters: a Chinese
// (or any wide) character counts two.
QString CutToWidth(const QString &text, int width);

// Appends the channel section: a blank record, then six records for every
// channel in use, with the shown texts of the grid and its headings.
void FillChannelReport(const ChannelTable &table, const QString &typeName, ReportTables &report);
