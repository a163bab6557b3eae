#include "PrintJob.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace kv::printlib {
namespace {

constexpr qreal kMarginMm = 12;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A new empty file beside `file` under a hidden temporary name; "" when the
// folder takes no new file.
QString TemporaryBeside(const QString& file) {
    const QFileInfo info(file);
    QTemporaryFile temp(info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() +
                                                    QStringLiteral(".XXXXXX")));
    temp.setAutoRemove(false);
    if (!temp.open()) return {};
    // Readable by others as a newly made file is, not private as temporary files are.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    return temp.fileName();
}

// Flushes a written file to the disk, so that the rename that follows never
// puts an empty or partial file in place after a crash.
bool SyncToDisk(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return false;
#if defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
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
    const bool chosen = !choice.PdfFile.empty();
    const std::string file = chosen ? choice.PdfFile : FallbackPdfFile();
    if (job->BeginPdf(file, chosen, choice)) return job;
    return nullptr;
}

TPrintJob::~TPrintJob() {
    if (painter_.isActive()) painter_.end();
    if (!tempFile_.empty()) QFile::remove(FromUtf8(tempFile_));
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

bool TPrintJob::BeginPdf(const std::string& file, bool chosen, const TOutputChoice& choice) {
    const QString temp = TemporaryBeside(FromUtf8(file));
    if (temp.isEmpty()) return false;
    tempFile_ = temp.toStdString();
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(temp);
    SetPaper(choice);
    if (!painter_.begin(&printer_)) return false;
    pdfFile_ = file;
    chosenFile_ = chosen;
    return true;
}

bool TPrintJob::PlacePdf() {
    const QString temp = FromUtf8(tempFile_);
    if (!SyncToDisk(temp)) return false;
    if (chosenFile_) {
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(temp).toStdString(),
                                QFile::encodeName(FromUtf8(pdfFile_)).toStdString(), error);
        if (error) return false;
    } else {
        // QFile::rename never replaces a file: another run may have taken the name.
        while (!QFile::rename(temp, FromUtf8(pdfFile_))) {
            if (!QFileInfo::exists(FromUtf8(pdfFile_))) return false;
            pdfFile_ = FallbackPdfFile();
        }
    }
    tempFile_.clear();
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
    if (!painter_.end()) return false;
    return tempFile_.empty() || PlacePdf();
}

} // namespace kv::printlib
