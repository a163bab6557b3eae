#pragma once
// "Printer Setup": the platform's print dialog, used to choose the printer
// (or a PDF file) and the paper for the print library.

#include "output/print/PrinterChoice.h"

class QWidget;

namespace kv {

// Opens the dialog ("PrinterSetupDialog1", a child of `parent`) on the
// current choice; when the user accepts it, `choice` takes the printer, the
// file and the paper chosen. True when accepted.
bool RunPrinterSetup(QWidget* parent, TPrinterChoice& choice);

} // namespace kv
