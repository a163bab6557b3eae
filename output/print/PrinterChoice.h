#pragma once
// The printer the user chose with "Printer Setup", kept by the main window for
// the whole run of the program and handed to the print library before each
// print run. The default choice is the system's default printer.

#include <QSize>
#include <QString>

namespace kv {

struct TPrinterChoice {
    QString PrinterName; // empty: the system's default printer
    QString OutputFile;  // non-empty: print into this PDF file instead
    QSize PagePoints;    // paper size in points; empty: the printer's default
    bool Landscape = false;
};

} // namespace kv
