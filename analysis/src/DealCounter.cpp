#include "DealCounter.h"

#include "AnalysisMessages.h"

#include <algorithm>
#include <stdexcept>

namespace kv::analysis {
namespace {

// Deals measured between two looks at the progress when no solver is needed.
constexpr std::size_t kShapeBatch = 4096;

} // namespace

TDealCounter::TDealCounter(TAnalysisOutcome& outcome, const TAnalysisRequest& request,
                           ITrickSolver& solver, const TRunCallbacks& callbacks)
    : outcome_(outcome), solver_(solver), callbacks_(callbacks) {
    const bool tricks = request.Kind == TAnalysisKind::Tricks;
    order_ = tricks ? OrderOf(request) : TSolveOrder{};
    batchSize_ = tricks ? solver.BatchSize(order_) : kShapeBatch;
    batch_.reserve(batchSize_);
}

bool TDealCounter::Add(const TDealResult& deal) {
    batch_.push_back(deal);
    return batch_.size() < batchSize_ || Flush();
}

bool TDealCounter::Solved(const TDealResult& deal) const {
    const auto fine = [](int tricks) { return tricks >= 0 && tricks <= 13; };
    return std::all_of(order_.Strains.begin(), order_.Strains.end(), [&](int strain) {
        const auto& t = deal.Tricks[static_cast<std::size_t>(strain)];
        return (!order_.North || fine(t[0])) && (!order_.South || fine(t[1]));
    });
}

bool TDealCounter::Flush() {
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

} // namespace kv::analysis
