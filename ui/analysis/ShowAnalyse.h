#pragma once
// The entries the windows call to analyse: "Analyse Hands..." in the main
// window over dealt deals, and "Analyse These Hands..." in the hands window
// over the boards of its session. Each asks for the analysis, runs it with its
// progress window and opens the results.

#include "analysis/AnalysisRequest.h"
#include "analysis/BoardsAnalysis.h"
#include "output/dealtext/DealSession.h"

#include <cstdint>
#include <vector>

class QWidget;

namespace kv {

class TAnalysisResultsForm;
class TSettingsStore;
namespace analysis {
class ITrickSolver;
}

// `types`: the main window's type list with the selected type stored; `seed`:
// the engine's current seed, so that deal 1 is the first deal "Generate Hands
// to Screen" would show now; `store`: where the dialog keeps its choices. The
// engine itself is not touched. Runs the "Analyse Hands" dialog, then the progress window (modal,
// the run on a worker thread); the generator's notes and any failure are shown in warning boxes.
// Opens the results window (not modal, deleted when closed) for a finished or
// cancelled run with at least one deal, and returns it; nullptr otherwise.
TAnalysisResultsForm* ShowAnalyseDialog(QWidget* parent, const TTypeList& types, std::int32_t seed,
                                        TSettingsStore& store);

// The same over the boards of `session`, which are copied: a warning says why
// when none can be analysed, before anything is asked; otherwise the dialog
// asks what to measure (no number of deals), boards without all four hands
// are left out with a warning naming them, and the results name the session's
// seed or the file its boards were read from.
// The choices are read from and stored in `store`, as for dealt deals.
TAnalysisResultsForm* ShowAnalyseSession(QWidget* parent, const TDealSession& session,
                                         TSettingsStore& store);

// Where the session's boards came from, as the results name them.
analysis::TBoardsOrigin OriginOf(const TDealSession& session);

// The progress and results windows with the request already made and a given
// solver (tests).
TAnalysisResultsForm* RunAnalysisWindows(QWidget* parent, const analysis::TAnalysisRequest& request,
                                         analysis::ITrickSolver& solver);
TAnalysisResultsForm* RunBoardsAnalysisWindows(QWidget* parent,
                                               const analysis::TBoardsRequest& request,
                                               std::vector<TBoardDeal> boards,
                                               analysis::ITrickSolver& solver);

} // namespace kv
