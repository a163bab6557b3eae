#include "output/print/PrintLibrary.h"

#include "engine/doubledummy/DoubleDummy.h"
#include "output/printlib/ZuzirorApi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <array>

namespace kv {

QString TPrintLibrary::FileName() {
#if defined(Q_OS_WIN)
    return QStringLiteral("ZUZIROR3.DLL");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("libzuziror3.dylib");
#else
    return QStringLiteral("libzuziror3.so");
#endif
}

QString TPrintLibrary::InstalledFolder() {
    return QStringLiteral(KV_PRINTLIB_RELATIVE_DIR);
}

QString TPrintLibrary::Locate(const QString& programDir) {
    const QDir dir(programDir);
    for (const QString& candidate :
         {dir.filePath(FileName()), dir.filePath(InstalledFolder() + '/' + FileName())})
        if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
    return FileName();
}

QString TPrintLibrary::DefaultLocation() {
    return Locate(QCoreApplication::applicationDirPath());
}

TPrintLibrary::TPrintLibrary(QString fileName) : fileName_(std::move(fileName)) {}

TBindResult TPrintLibrary::Bind() {
    Unbind();
    library_.setFileName(fileName_);
    if (!library_.load()) {
        error_ = library_.errorString();
        return TBindResult::FileMissing;
    }
    using AddDealFn = decltype(addDeal_);
    using PrintMultiFn = decltype(printMulti_);
    using ClearDealsFn = decltype(clearDeals_);
    const auto addDeal = reinterpret_cast<AddDealFn>(library_.resolve("AddDeal"));
    const auto printMulti = reinterpret_cast<PrintMultiFn>(library_.resolve("PrintMulti"));
    const auto clearDeals = reinterpret_cast<ClearDealsFn>(library_.resolve("ClearDeals"));
    if (addDeal == nullptr || printMulti == nullptr || clearDeals == nullptr) {
        error_ = library_.errorString();
        library_.unload();
        return TBindResult::EntryPointMissing;
    }
    addDeal_ = addDeal, printMulti_ = printMulti, clearDeals_ = clearDeals;
    setOutput_ = reinterpret_cast<decltype(setOutput_)>(library_.resolve("SetOutput"));
    lastOutputFile_ =
        reinterpret_cast<decltype(lastOutputFile_)>(library_.resolve("LastOutputFile"));
    setDoubleDummy_ =
        reinterpret_cast<decltype(setDoubleDummy_)>(library_.resolve("SetDoubleDummy"));
    addBoard_ = reinterpret_cast<decltype(addBoard_)>(library_.resolve("AddBoard"));
    analyseDeals_ = reinterpret_cast<decltype(analyseDeals_)>(library_.resolve("AnalyseDeals"));
    error_.clear();
    return TBindResult::Bound;
}

void TPrintLibrary::Unbind() {
    addDeal_ = nullptr, printMulti_ = nullptr, clearDeals_ = nullptr;
    setOutput_ = nullptr, lastOutputFile_ = nullptr, setDoubleDummy_ = nullptr;
    addBoard_ = nullptr, analyseDeals_ = nullptr;
    doubleDummy_ = false;
}

int TPrintLibrary::AddDeal(const std::string& dealText) const {
    return addDeal_ != nullptr ? addDeal_(dealText.c_str()) : -1;
}

int TPrintLibrary::AddBoard(const std::string& dealText, int board, int dealer,
                            int vulnerability) const {
    if (addBoard_ == nullptr) return AddDeal(dealText);
    return addBoard_(dealText.c_str(), board, dealer, vulnerability);
}

int TPrintLibrary::PrintMulti(const TPrintMultiArgs& a) const {
    if (printMulti_ == nullptr) return -1;
    std::unique_lock<std::mutex> solver;
    if (doubleDummy_) solver = HoldSolver();
    return printMulti_(a.Layout, a.Selector, a.Title.c_str(), a.Subtitle.c_str(), a.Banner.c_str(),
                       a.TenCharacter, a.Colour, a.FlagA, a.FlagB);
}

int TPrintLibrary::ClearDeals() {
    doubleDummy_ = false;
    return clearDeals_ != nullptr ? clearDeals_() : -1;
}

bool TPrintLibrary::SetOutput(const TPrinterChoice& choice) const {
    if (!IsBound() || setOutput_ == nullptr) return false;
    const std::string printer = choice.PrinterName.toStdString();
    const std::string file = choice.OutputFile.toStdString();
    const QSize page = choice.PagePoints.isValid() ? choice.PagePoints : QSize(0, 0);
    setOutput_(printer.c_str(), file.c_str(), page.width(), page.height(), choice.Landscape);
    return true;
}

bool TPrintLibrary::SetDoubleDummy(bool on) {
    if (!HasDoubleDummy()) return false;
    setDoubleDummy_(on ? 1 : 0);
    doubleDummy_ = on;
    return true;
}

namespace {

// The C callback of AnalyseDeals: `context` is the host's progress function;
// an answer of false stops the analysis.
int TellProgress(int done, int total, void* context) {
    const auto& progress = *static_cast<const TAnalysisProgressFn*>(context);
    return progress(done, total) ? 0 : 1;
}

} // namespace

TAnalysisOutcome TPrintLibrary::AnalyseDeals(const TAnalysisProgressFn& progress) {
    if (!IsBound() || analyseDeals_ == nullptr || !doubleDummy_)
        return TAnalysisOutcome::NotOffered;
    const std::unique_lock<std::mutex> solver = HoldSolver();
    void* context = const_cast<void*>(static_cast<const void*>(&progress));
    const int result =
        progress ? analyseDeals_(&TellProgress, context) : analyseDeals_(nullptr, nullptr);
    return result == KV_ZUZIROR_CANCELLED ? TAnalysisOutcome::Cancelled
                                          : TAnalysisOutcome::Analysed;
}

QString TPrintLibrary::LastOutputFile() const {
    if (!IsBound() || lastOutputFile_ == nullptr) return {};
    std::array<char, 4096> buffer{};
    const int length = lastOutputFile_(buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0 || length >= static_cast<int>(buffer.size())) return {};
    return QString::fromUtf8(buffer.data(), length);
}

} // namespace kv
