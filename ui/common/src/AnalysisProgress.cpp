#include "ui/common/AnalysisProgress.h"

#include "ui/common/UserInputBlock.h"
#include "ui/common/WindowPlacement.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <atomic>
#include <chrono>
#include <future>

namespace kv {
namespace {

// Long enough that a quick analysis shows no window at all.
constexpr int kShowAfterMs = 400;
constexpr auto kPoll = std::chrono::milliseconds(20);

} // namespace

QString AnalysisProgressText(int done, int total) {
    return QStringLiteral("Analysing board %1 of %2").arg(std::min(done + 1, total)).arg(total);
}

TAnalysisProgress::TAnalysisProgress(QWidget* parent, int total)
    : block_(std::make_unique<TUserInputBlock>()), total_(total) {
    dialog_ = std::make_unique<QProgressDialog>(AnalysisProgressText(0, total),
                                                QStringLiteral("&Cancel"), 0, total, parent);
    dialog_->setObjectName(QStringLiteral("AnalysisProgress"));
    dialog_->setWindowTitle(QStringLiteral("Double dummy"));
    dialog_->setMinimumWidth(TitleFitWidth(*dialog_, dialog_->windowTitle()));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
}

TAnalysisProgress::~TAnalysisProgress() = default;

bool TAnalysisProgress::Update(int done) {
    if (dialog_->value() != done) {
        dialog_->setLabelText(AnalysisProgressText(done, total_));
        dialog_->setValue(done);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !dialog_->wasCanceled();
}

bool TAnalysisProgress::Cancelled() const {
    return dialog_->wasCanceled();
}

QString TAnalysisProgress::Text() const {
    return dialog_->labelText();
}

std::optional<std::vector<TDDTable>> AnalyseWithProgress(QWidget* parent,
                                                         const std::vector<TFullDeal>& deals,
                                                         const TTableSolver& solver) {
    TAnalysisProgress progress(parent, static_cast<int>(deals.size()));
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    auto work = std::async(std::launch::async, [&] {
        std::vector<TDDTable> tables;
        tables.reserve(deals.size());
        for (const TFullDeal& deal : deals) {
            if (stop) break;
            tables.push_back(solver(deal));
            ++done;
        }
        return tables;
    });
    while (work.wait_for(kPoll) != std::future_status::ready)
        if (!progress.Update(done)) stop = true;
    std::vector<TDDTable> tables = work.get();
    if (stop || progress.Cancelled()) return std::nullopt;
    progress.Update(done);
    return tables;
}

} // namespace kv
