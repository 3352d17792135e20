#pragma once

#include <QString>

class QPagedPaintDevice;
class ReportTables;

// Draws the report on pages of US Letter: the page header on every page, a
// group header where the section changes (a new page for every section but
// the first), the detail rows and the page number at the foot.
class ReportRenderer
{
public:
    explicit ReportRenderer(const ReportTables &tables);

    // Draws every page on a printer or PDF writer; returns the number of pages.
    int render(QPagedPaintDevice *device) const;
    // Writes the report as a PDF file.
    bool writePdf(const QString &path) const;

    // SimSun where the system has it, else a font that draws Chinese.
    static QString reportFontFamily();

private:
    const ReportTables &m_tables;
};
