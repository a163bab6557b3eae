#pragma once
// The one entry the main window calls for "Analyse Hands...": asks for the
// analysis, runs it with its progress window and opens the results.

#include "analysis/AnalysisRequest.h"

#include <cstdint>

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

// The same with the request already made and a given solver (tests).
TAnalysisResultsForm* RunAnalysisWindows(QWidget* parent, const analysis::TAnalysisRequest& request,
                                         analysis::ITrickSolver& solver);

} // namespace kv
