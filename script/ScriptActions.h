#pragma once
// A script's actions on the deals it produces. The part that depends on one
// deal alone (the printed layouts and the values of average and frequency
// expressions) is computed where the deal was found, on any thread; the rest
// (the sums, the histograms, the pages of print()) is taken in deal order and
// reported at the end, as dealer does.

#include "script/DealMasks.h"
#include "script/DealerPrint.h"
#include "script/Evaluator.h"
#include "script/Script.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace kv::script {

// What the actions make of one deal.
struct TDealReport {
    std::string Text;                 // printed for the deal, in action order
    std::vector<std::int32_t> Values; // for average and frequency, in action order
};

// The actions' per-deal part: `evaluator` has the deal set (with its random
// stream for rnd). `number` counts the deals produced, from 1.
TDealReport ReportDeal(const TScript& script, TEvaluator& evaluator, const TDealMasks& deal,
                       std::int64_t number, const TPbnTags& tags);

// The actions' totals over the deals taken so far.
class TActionTotals {
  public:
    explicit TActionTotals(const TScript& script);
    ~TActionTotals();
    TActionTotals(const TActionTotals&) = delete;
    TActionTotals& operator=(const TActionTotals&) = delete;

    // Takes the next deal in order (its number from 1) with its report.
    void Take(const TDealMasks& deal, std::int64_t number, const TDealReport& report);
    // The reports printed at the end: print()'s pages, averages, frequencies,
    // in the order of the actions. Throws std::runtime_error when the deals
    // held for print() cannot be read back.
    std::string Finish() const;

  private:
    struct TStat {
        std::int64_t Sum = 0;
        THistogram Histogram;
        THistogram2 Histogram2;
    };
    void AppendPages(std::string& out, int seats) const;

    const TScript& script_;
    std::vector<TStat> stats_; // one per action
    std::int64_t count_ = 0;
    std::int64_t first_ = 0;
    // The deals print() shows at the end, held in a temporary file so that
    // memory stays flat however many deals.
    std::FILE* held_ = nullptr;
};

} // namespace kv::script
