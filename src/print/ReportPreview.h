#pragma once

class QPrinter;
class QWidget;
class ReportTables;

// Print Preview at 100 % with print, zoom, page navigation and export to PDF;
// Print through the print dialog, where Cancel prints nothing.
namespace ReportPreview {

void preview(QWidget *parent, const ReportTables &tables);
// True when pages were sent to the printer.
bool print(QWidget *parent, const ReportTables &tables);

} // namespace ReportPreview
