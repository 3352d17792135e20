#include "ReportTables.h"

#include "model/ChannelTable.h"

namespace {

// Characters the system's code page stores in two bytes.
int charWidth(QChar c)
{
    return c.unicode() < 0x80 ? 1 : 2;
}

} // namespace

QString CutToWidth(const QString &text, int width)
{
    int used = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        used += charWidth(text[i]);
        if (used > width)
            return text.left(i);
    }
    return text;
}

void ReportTables::clear()
{
    m_ado.clear();
    m_main.clear();
}

void ReportTables::setHeader(const ReportHeader &h)
{
    m_main.append({CutToWidth(h.Title, 20), CutToWidth(h.AField, 100), CutToWidth(h.AValue, 100),
                   CutToWidth(h.BField, 100), CutToWidth(h.BValue, 100), CutToWidth(h.CField, 30),
                   CutToWidth(h.CValue, 30)});
}

void ReportTables::append(const ReportRecord &r)
{
    m_ado.append({r.TypeID, CutToWidth(r.TypeName, 20), CutToWidth(r.AField, 100),
                  CutToWidth(r.AValue, 100), CutToWidth(r.BField, 100), CutToWidth(r.BValue, 100)});
}

void FillChannelReport(const ChannelTable &table, const QString &typeName, ReportTables &report)
{
    constexpr qint32 ChannelSection = 8;
    using CT = ChannelTable;
    auto heading = [&](int column) { return table.fore(CT::HeaderRow, column); };
    report.append({ChannelSection, typeName, {}, {}, {}, {}});
    for (int row = CT::FirstChannelRow; row < table.rowCount(); ++row) {
        if (table.fore(row, CT::ColRx).isEmpty())
            continue;
        auto cell = [&](int column) { return table.fore(row, column); };
        report.append(
            {ChannelSection, typeName, heading(CT::ColNumber) + cell(CT::ColNumber), {}, {}, {}});
        report.append({ChannelSection, typeName, heading(CT::ColRx), cell(CT::ColRx),
                       heading(CT::ColTx), cell(CT::ColTx)});
        report.append({ChannelSection, typeName, heading(CT::ColDecode), cell(CT::ColDecode),
                       heading(CT::ColEncode), cell(CT::ColEncode)});
        report.append({ChannelSection, typeName, heading(CT::ColPower), cell(CT::ColPower),
                       heading(CT::ColBandwidth), cell(CT::ColBandwidth)});
        report.append({ChannelSection, typeName, heading(CT::ColScanAdd), cell(CT::ColScanAdd),
                       heading(CT::ColBeatShift), cell(CT::ColBeatShift)});
        report.append({ChannelSection,
                       typeName,
                       heading(CT::ColBusyLockout),
                       cell(CT::ColBusyLockout),
                       {},
                       {}});
    }
}
