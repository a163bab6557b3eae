#include "analysis/AnalysisRun.h"

#include "DealCounter.h"
#include "engine/EngineMessages.h"
#include "engine/GenerateDeal.h"

#include <memory>
#include <numeric>

namespace kv::analysis {
namespace {

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
        : request_(request), counter_(outcome_, request, solver, callbacks) {
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
            if (!counter_.Add(ResultOf(dealt.Deal, number, type))) break;
        }
        if (outcome_.Ok()) counter_.Flush();
        outcome_.Notes = host.Warnings;
        return std::move(outcome_);
    }

  private:
    const TAnalysisRequest& request_;
    TAnalysisOutcome outcome_;
    TDealCounter counter_;
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
