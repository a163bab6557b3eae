#include "PrinterSetup.h"

#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace kv {
namespace {

void Apply(const TPrinterChoice& choice, QPrinter& printer) {
    if (!choice.OutputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice.OutputFile);
    } else if (!choice.PrinterName.isEmpty()) {
        printer.setPrinterName(choice.PrinterName);
    }
    if (choice.PagePoints.isValid() && !choice.PagePoints.isEmpty())
        printer.setPageSize(QPageSize(choice.PagePoints, QPageSize::Point));
    printer.setPageOrientation(choice.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

TPrinterChoice ChoiceOf(const QPrinter& printer) {
    TPrinterChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.OutputFile = printer.outputFileName();
    else
        choice.PrinterName = printer.printerName();
    choice.PagePoints = printer.pageLayout().pageSize().sizePoints();
    choice.Landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return choice;
}

// The dialog chooses; it does not print: its accept button reads "OK".
void NameAcceptButton(QPrintDialog& dialog) {
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
}

} // namespace

bool RunPrinterSetup(QWidget* parent, TPrinterChoice& choice) {
    QPrinter printer(QPrinter::HighResolution);
    Apply(choice, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    NameAcceptButton(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = ChoiceOf(printer);
    return true;
}

} // namespace kv
