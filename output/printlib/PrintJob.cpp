#include "PrintJob.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace kv::printlib {
namespace {

constexpr qreal kMarginMm = 12;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QPrinterInfo ChosenPrinter(const std::string& name) {
    return name.empty() ? QPrinterInfo::defaultPrinter()
                        : QPrinterInfo::printerInfo(FromUtf8(name));
}

} // namespace

std::string FallbackPdfFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::currentPath();
    const QString stem = QStringLiteral("hand-records-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral("-%1.pdf").arg(n));
    return QDir::toNativeSeparators(path).toStdString();
}

std::unique_ptr<TPrintJob> TPrintJob::Open(const TOutputChoice& choice) {
    std::unique_ptr<TPrintJob> job(new TPrintJob());
    if (choice.PdfFile.empty() && job->BeginPrinter(choice)) return job;
    const std::string file = choice.PdfFile.empty() ? FallbackPdfFile() : choice.PdfFile;
    if (job->BeginPdf(file, choice)) return job;
    return nullptr;
}

TPrintJob::~TPrintJob() {
    if (painter_.isActive()) painter_.end();
}

bool TPrintJob::BeginPrinter(const TOutputChoice& choice) {
    const QPrinterInfo info = ChosenPrinter(choice.PrinterName);
    if (info.isNull()) return false;
    printer_.setPrinterName(info.printerName());
    printer_.setOutputFormat(QPrinter::NativeFormat);
    if (!printer_.isValid()) return false;
    SetPaper(choice);
    return painter_.begin(&printer_);
}

bool TPrintJob::BeginPdf(const std::string& file, const TOutputChoice& choice) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(FromUtf8(file));
    SetPaper(choice);
    if (!painter_.begin(&printer_)) return false;
    pdfFile_ = file;
    return true;
}

void TPrintJob::SetPaper(const TOutputChoice& choice) {
    printer_.setDocName(QStringLiteral("Hand records"));
    printer_.setCreator(QStringLiteral("zuziror3 hand-printing library"));
    printer_.setColorMode(QPrinter::Color); // black-only copies are drawn black
    if (choice.PageWidth > 0 && choice.PageHeight > 0)
        printer_.setPageSize(QPageSize(QSize(choice.PageWidth, choice.PageHeight), QPageSize::Point,
                                       QString(), QPageSize::FuzzyMatch));
    else if (printer_.outputFormat() == QPrinter::PdfFormat)
        printer_.setPageSize(QPageSize(
            QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                               : QPageSize::A4));
    printer_.setPageOrientation(choice.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                            QPageLayout::Millimeter);
}

QRectF TPrintJob::PageArea() const {
    const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
    return QRectF(0, 0, page.width(), page.height());
}

void TPrintJob::NewPage() {
    if (!blank_) printer_.newPage();
    blank_ = false;
}

bool TPrintJob::Finish() {
    if (!painter_.isActive()) return false;
    return painter_.end();
}

} // namespace kv::printlib
