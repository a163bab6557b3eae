#include "analysis/AnalysisRun.h"

#include "AnalysisMessages.h"
#include "engine/EngineMessages.h"
#include "engine/GenerateDeal.h"

#include <algorithm>

#include <memory>
#include <numeric>
#include <stdexcept>

namespace kv::analysis {
namespace {

// Deals measured between two looks at the progress when no solver is needed.
constexpr std::size_t kShapeBatch = 4096;

// The generator's host during a run. It shows nothing: warnings are kept for
// the caller.
class TRunHost : public IEngineHost {
  public:
    void ProcessMessages() override {}
    void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
    void CloseHandsWindow() override {}

    std::vector<std::string> Warnings;
};

class TRun {
  public:
    TRun(const TAnalysisRequest& request, ITrickSolver& solver, const TRunCallbacks& callbacks)
        : request_(request), solver_(solver), callbacks_(callbacks), order_(OrderOf(request)) {
        const bool tricks = request.Kind == TAnalysisKind::Tricks;
        batchSize_ = tricks ? solver.BatchSize(order_) : kShapeBatch;
        if (!tricks) order_ = TSolveOrder{};
        batch_.reserve(batchSize_);
        outcome_.Summary = EmptySummary(request);
    }

    TAnalysisOutcome Run(const std::atomic<bool>& cancel) {
        auto engine = std::make_unique<TDealEngine>();
        engine->Random().RandomSeed = request_.Seed;
        TTypeList types = request_.Types;
        // The caller's index of each type still in the list.
        std::vector<int> originals(types.size());
        std::iota(originals.begin(), originals.end(), 0);
        TRunHost host;
        const std::int64_t last =
            request_.Shard.K +
            (DealsInShard(request_.Count, request_.Shard) - 1) * request_.Shard.N;
        for (std::int64_t number = 1; number <= last; ++number) {
            if (cancel.load(std::memory_order_relaxed)) {
                outcome_.Cancelled = true;
                break;
            }
            const TDealOutcome dealt = GenerateDeal(*engine, types, host);
            const int type = dealt.Dealt() ? originals[dealt.Type] : 0;
            EraseRemoved(originals, dealt);
            if (!dealt.Dealt()) {
                outcome_.Error = host.Warnings.empty() ? kv::msg::kTooNarrow : host.Warnings.back();
                if (!host.Warnings.empty()) host.Warnings.pop_back();
                break;
            }
            if (!InShard(number, request_.Shard)) continue;
            batch_.push_back(ResultOf(dealt.Deal, number, type));
            if (batch_.size() == batchSize_ && !Flush()) break;
        }
        if (outcome_.Error.empty() && !outcome_.Cancelled) Flush();
        outcome_.Notes = host.Warnings;
        return std::move(outcome_);
    }

  private:
    // True when the deal holds 0 to 13 tricks for every seat and denomination asked for.
    bool Solved(const TDealResult& deal) const {
        const auto fine = [](int tricks) { return tricks >= 0 && tricks <= 13; };
        return std::all_of(order_.Strains.begin(), order_.Strains.end(), [&](int strain) {
            const auto& t = deal.Tricks[static_cast<std::size_t>(strain)];
            return (!order_.North || fine(t[0])) && (!order_.South || fine(t[1]));
        });
    }

    // Solves and counts the batch; false after a solver failure, when nothing of it is counted.
    bool Flush() {
        try {
            solver_.Solve(batch_, order_);
        } catch (const std::runtime_error& error) {
            outcome_.Error = error.what();
            return false;
        }
        if (!std::all_of(batch_.begin(), batch_.end(),
                         [this](const TDealResult& d) { return Solved(d); })) {
            outcome_.Error = std::string(msg::kSolverFailed) + msg::kTricksMissing;
            return false;
        }
        for (const TDealResult& deal : batch_) {
            outcome_.Summary.Add(deal);
            if (callbacks_.Deal) callbacks_.Deal(deal);
        }
        batch_.clear();
        if (callbacks_.Progress)
            callbacks_.Progress(outcome_.Summary.Deals, outcome_.Summary.Expected());
        return true;
    }

    const TAnalysisRequest& request_;
    ITrickSolver& solver_;
    const TRunCallbacks& callbacks_;
    TSolveOrder order_;
    std::size_t batchSize_ = kShapeBatch;
    std::vector<TDealResult> batch_;
    TAnalysisOutcome outcome_;
};

} // namespace

TAnalysisOutcome RunAnalysis(TAnalysisRequest request, ITrickSolver& solver,
                             const std::atomic<bool>& cancel, const TRunCallbacks& callbacks) {
    Normalise(request);
    TAnalysisOutcome outcome;
    outcome.Error = RequestFault(request);
    if (!outcome.Error.empty()) return outcome;
    return TRun(request, solver, callbacks).Run(cancel);
}

} // namespace kv::analysis
