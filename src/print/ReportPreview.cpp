#include "ReportPreview.h"

#include "ReportRenderer.h"
#include "ReportTables.h"
#include "app/Program.h"
#include "lang/MsgBox.h"
#include "lang/TLanguage.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace {

void exportPdf(QWidget *parent, const ReportTables &tables)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("sdPdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (!ReportRenderer(tables).writePdf(path))
        MsgBox(Lang().Confirmation, QDir::toNativeSeparators(path), MsgInfo);
}

} // namespace

void ReportPreview::preview(QWidget *parent, const ReportTables &tables)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("frxPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&tables](QPrinter *target) { ReportRenderer(tables).render(target); });
    if (auto *view = dialog.findChild<QPrintPreviewWidget *>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    if (auto *toolbar = dialog.findChild<QToolBar *>()) {
        toolbar->addSeparator();
        QAction *pdf = toolbar->addAction(QStringLiteral("PDF"));
        pdf->setObjectName(QStringLiteral("actionExportPdf"));
        pdf->setToolTip(QStringLiteral("Export to PDF"));
        QObject::connect(pdf, &QAction::triggered, &dialog,
                         [&dialog, &tables] { exportPdf(&dialog, tables); });
    }
    dialog.resize(900, 800);
    dialog.exec();
}

bool ReportPreview::print(QWidget *parent, const ReportTables &tables)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("frxPrint"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return ReportRenderer(tables).render(&printer) > 0;
}
