#pragma once
// One analysis run: deals the request's deals with the same engine, seed and
// order of draws as "Generate Hands to Screen" and the command line (deal 1 is
// the first deal the screen shows from that seed), measures each deal of the
// shard, solves the tricks asked for in batches, and counts them into a summary.

#include "analysis/AnalysisSummary.h"
#include "analysis/TrickSolver.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace kv::analysis {

struct TRunCallbacks {
    // After each batch: deals analysed so far, of the shard's total.
    std::function<void(std::int64_t done, std::int64_t total)> Progress;
    // Each analysed deal, in deal order, once it is counted.
    std::function<void(const TDealResult&)> Deal;
};

struct TAnalysisOutcome {
    TSummary Summary;               // whole deals only, whatever stopped the run
    std::string Error;              // the request's fault, the generator's or the solver's message
    std::vector<std::string> Notes; // the generator's warnings about types it left out
    bool Cancelled = false;
    bool Ok() const { return Error.empty() && !Cancelled; }
};

// Runs `request` (normalised first). `cancel` is read before every deal; once
// set, the run stops and the summary keeps the batches counted before. A batch
// is counted whole or not at all, so a partial summary is always consistent.
TAnalysisOutcome RunAnalysis(TAnalysisRequest request, ITrickSolver& solver,
                             const std::atomic<bool>& cancel, const TRunCallbacks& callbacks = {});

} // namespace kv::analysis
