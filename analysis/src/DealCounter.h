#pragma once
// Counting analysed deals into an outcome's summary, shared by the analysis of
// dealt deals and of given boards: the deals are solved in batches of the
// solver's size, and a batch is counted whole or, after a solver failure, not
// at all, so that a summary is always consistent whatever stops a run.

#include "analysis/AnalysisRun.h"

#include <vector>

namespace kv::analysis {

class TDealCounter {
  public:
    // Counts into `outcome`, whose summary is the request's empty summary; the
    // tricks solved are those of `request` (normalised) when it asks for them.
    TDealCounter(TAnalysisOutcome& outcome, const TAnalysisRequest& request, ITrickSolver& solver,
                 const TRunCallbacks& callbacks);
    TDealCounter(const TDealCounter&) = delete;
    TDealCounter& operator=(const TDealCounter&) = delete;

    // Takes one deal, and solves and counts the batch once it is full. False
    // after a solver failure, whose message is then the outcome's error.
    bool Add(const TDealResult& deal);
    // Solves and counts the deals taken since the last full batch.
    bool Flush();

  private:
    // True when the deal holds 0 to 13 tricks for every seat and denomination asked for.
    bool Solved(const TDealResult& deal) const;

    TAnalysisOutcome& outcome_;
    ITrickSolver& solver_;
    const TRunCallbacks& callbacks_;
    TSolveOrder order_;
    std::size_t batchSize_;
    std::vector<TDealResult> batch_;
};

} // namespace kv::analysis
