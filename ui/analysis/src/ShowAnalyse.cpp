#include "ui/analysis/ShowAnalyse.h"

#include "AnalyseDialog.h"
#include "AnalysisProgressDialog.h"
#include "AnalysisResultsForm.h"
#include "analysis/SummaryText.h"
#include "analysis/TrickSolver.h"
#include "ui/common/MessageSeam.h"

#include <algorithm>

namespace kv {
namespace {

void Warn(QWidget* parent, const std::string& text) {
    TMessageSeam::Show(parent, TMessageKind::Warning, QStringLiteral("Warning"),
                       QString::fromStdString(text));
}

// Runs the worker's job under the progress window, shows its notes and any
// failure, and opens the results of at least one deal.
TAnalysisResultsForm* RunWithProgress(QWidget* parent, std::unique_ptr<TAnalysisWorker> worker) {
    TAnalysisProgressDialog progress(std::move(worker), parent);
    progress.exec();
    const analysis::TAnalysisOutcome& outcome = progress.Worker().Outcome();
    for (const std::string& note : outcome.Notes)
        Warn(parent, note);
    if (!outcome.Error.empty()) Warn(parent, outcome.Error);
    if (outcome.Summary.Deals == 0) return nullptr;
    auto* results =
        new TAnalysisResultsForm(outcome.Summary, progress.Worker().TakeDeals(), parent);
    results->setAttribute(Qt::WA_DeleteOnClose);
    results->show();
    return results;
}

} // namespace

TAnalysisResultsForm* ShowAnalyseDialog(QWidget* parent, const TTypeList& types, std::int32_t seed,
                                        TSettingsStore& store) {
    TAnalyseDialog dialog(types, seed, store, parent);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    analysis::TDdsSolver solver;
    return RunAnalysisWindows(parent, dialog.Request(), solver);
}

analysis::TBoardsOrigin OriginOf(const TDealSession& session) {
    if (session.Dealt()) return {session.Seed(), {}};
    return {std::nullopt, session.Source()};
}

TAnalysisResultsForm* ShowAnalyseSession(QWidget* parent, const TDealSession& session,
                                         TSettingsStore& store) {
    const std::string fault = analysis::BoardsFault(session.Boards());
    if (!fault.empty()) {
        Warn(parent, fault);
        return nullptr;
    }
    const analysis::TBoardsOrigin origin = OriginOf(session);
    TAnalyseDialog dialog({}, 0, store, parent);
    dialog.ForBoards(QString::fromStdString(
        analysis::BoardsText(static_cast<std::int64_t>(session.Count()), origin)));
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    analysis::TDdsSolver solver;
    return RunBoardsAnalysisWindows(parent, analysis::BoardsRequestOf(dialog.Request(), origin),
                                    session.Boards(), solver);
}

TAnalysisResultsForm* RunAnalysisWindows(QWidget* parent, const analysis::TAnalysisRequest& request,
                                         analysis::ITrickSolver& solver) {
    return RunWithProgress(parent, std::make_unique<TAnalysisWorker>(request, solver));
}

// The boards go to the worker's thread by value, so that nothing the windows
// do while it runs can change them.
TAnalysisResultsForm* RunBoardsAnalysisWindows(QWidget* parent,
                                               const analysis::TBoardsRequest& request,
                                               std::vector<TBoardDeal> boards,
                                               analysis::ITrickSolver& solver) {
    const auto total = static_cast<std::int64_t>(std::count_if(
        boards.begin(), boards.end(), [](const TBoardDeal& b) { return b.Complete(); }));
    auto job = [request, boards = std::move(boards), &solver](
                   const std::atomic<bool>& cancel, const analysis::TRunCallbacks& callbacks) {
        return analysis::RunBoardsAnalysis(request, boards, solver, cancel, callbacks);
    };
    return RunWithProgress(parent, std::make_unique<TAnalysisWorker>(std::move(job), total));
}

} // namespace kv
