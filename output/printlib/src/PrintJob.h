#pragma once
// One document of the library: the copies of one print run, on a printer or
// in a PDF file. The document opens at the first page of the run and is
// handed to the printer (or closed as a file) by Finish. A PDF file is
// written beside its place under a temporary name and renamed into place
// only when it is whole, so that a run that fails or is abandoned leaves no
// half-written file, and an earlier file is never clobbered by a new name.

#include <QPainter>
#include <QPrinter>

#include <memory>
#include <string>

namespace kv::printlib {

struct TOutputChoice {
    std::string PrinterName; // empty: the system's default printer
    std::string PdfFile;     // non-empty: this PDF file instead of a printer
    int PageWidth = 0;       // points; 0 for the printer's default paper
    int PageHeight = 0;
    bool Landscape = false;
};

class TPrintJob {
  public:
    // The chosen printer when it exists and opens; otherwise a PDF file (the
    // chosen one, or a new file in the user's documents folder or the current
    // folder). Nothing when no output could be opened.
    static std::unique_ptr<TPrintJob> Open(const TOutputChoice& choice);

    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;
    ~TPrintJob();

    QPainter& Painter() { return painter_; }
    qreal Resolution() const { return printer_.resolution(); }
    // The printable area of a page, in device units, as the painter sees it.
    QRectF PageArea() const;
    // Moves to a fresh page, unless nothing has been drawn yet.
    void NewPage();
    // Ends the document; false when the output failed. A PDF file goes to
    // its place: the chosen file is replaced (the host asked the user first);
    // a name the library chose is never reused, the next free one is taken.
    bool Finish();
    // The PDF file written, or "" for a printer.
    const std::string& PdfFile() const { return pdfFile_; }

  private:
    TPrintJob() : printer_(QPrinter::HighResolution) {}
    bool BeginPrinter(const TOutputChoice& choice);
    bool BeginPdf(const std::string& file, bool chosen, const TOutputChoice& choice);
    void SetPaper(const TOutputChoice& choice);
    // Moves the finished temporary file to its place; false when it cannot.
    bool PlacePdf();

    QPrinter printer_;
    QPainter painter_;
    std::string pdfFile_;
    std::string tempFile_; // the PDF being written, until it is in place
    bool chosenFile_ = false;
    bool blank_ = true;
};

// A new file name in the user's documents folder (or the current folder).
std::string FallbackPdfFile();

} // namespace kv::printlib
