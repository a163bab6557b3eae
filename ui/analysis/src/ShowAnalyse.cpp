#include "ui/analysis/ShowAnalyse.h"

#include "AnalyseDialog.h"
#include "AnalysisProgressDialog.h"
#include "AnalysisResultsForm.h"
#include "analysis/TrickSolver.h"
#include "ui/common/MessageSeam.h"

namespace kv {

TAnalysisResultsForm* ShowAnalyseDialog(QWidget* parent, const TTypeList& types, std::int32_t seed,
                                        TSettingsStore& store) {
    TAnalyseDialog dialog(types, seed, store, parent);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    analysis::TDdsSolver solver;
    return RunAnalysisWindows(parent, dialog.Request(), solver);
}

TAnalysisResultsForm* RunAnalysisWindows(QWidget* parent, const analysis::TAnalysisRequest& request,
                                         analysis::ITrickSolver& solver) {
    TAnalysisProgressDialog progress(request, solver, parent);
    progress.exec();
    const analysis::TAnalysisOutcome& outcome = progress.Worker().Outcome();
    const auto warn = [parent](const std::string& text) {
        TMessageSeam::Show(parent, TMessageKind::Warning, QStringLiteral("Warning"),
                           QString::fromStdString(text));
    };
    for (const std::string& note : outcome.Notes)
        warn(note);
    if (!outcome.Error.empty()) warn(outcome.Error);
    if (outcome.Summary.Deals == 0) return nullptr;
    auto* results =
        new TAnalysisResultsForm(outcome.Summary, progress.Worker().TakeDeals(), parent);
    results->setAttribute(Qt::WA_DeleteOnClose);
    results->show();
    return results;
}

} // namespace kv
