#include "ui/common/AnalysisProgress.h"

#include "ui/common/ProgressTimes.h"
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

QString AnalysisProgressText(int done, int total, qint64 elapsedMs) {
    return AnalysisProgressText(done, total) + QLatin1Char('\n') + ElapsedText(elapsedMs) +
           QStringLiteral("    ") + TimeLeftText(elapsedMs, done, total);
}

TAnalysisProgress::TAnalysisProgress(QWidget* parent, int total, const QString& title)
    : block_(std::make_unique<TUserInputBlock>()), total_(total) {
    clock_.start();
    dialog_ = std::make_unique<QProgressDialog>(AnalysisProgressText(0, total, 0),
                                                QStringLiteral("&Cancel"), 0, total, parent);
    dialog_->setObjectName(QStringLiteral("AnalysisProgress"));
    dialog_->setWindowTitle(title);
    // Wide enough for the title and for long times, so that the window does
    // not grow while it counts.
    const int timesWidth = dialog_->fontMetrics().horizontalAdvance(
        AnalysisProgressText(1, 2, 36000000).section(QLatin1Char('\n'), 1));
    dialog_->setMinimumWidth(
        std::max(TitleFitWidth(*dialog_, title), timesWidth + 4 * dialog_->fontMetrics().height()));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
}

TAnalysisProgress::~TAnalysisProgress() = default;

// The text is set only when it changes (the times by the second), so that
// frequent calls cost nothing.
bool TAnalysisProgress::Update(int done) {
    const QString text = AnalysisProgressText(done, total_, clock_.elapsed());
    if (dialog_->labelText() != text) dialog_->setLabelText(text);
    if (dialog_->value() != done) dialog_->setValue(done);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !dialog_->wasCanceled();
}

bool TAnalysisProgress::Cancelled() const {
    return dialog_->wasCanceled();
}

QString TAnalysisProgress::Text() const {
    return dialog_->labelText();
}

std::optional<std::vector<TDDTable>> AnalyseWithProgress(QWidget* parent, const QString& title,
                                                         const std::vector<TFullDeal>& deals,
                                                         const TTableSolver& solver) {
    TAnalysisProgress progress(parent, static_cast<int>(deals.size()), title);
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
