#pragma once
// Runs a script: finds `Count` deals that meet its condition and its predeal,
// each from a random stream of its own (deal number k of the run draws from
// the stream of the seed and k alone), on any number of threads, and hands
// them to the caller in order with what the actions print for each. So the
// output does not depend on the number of threads, and a shard that deals
// numbers K to L alone gives exactly those deals of the whole run.
//
// Like dealer's, a run stops once `Generate` deals have been tried in all,
// counting in deal order: deal k is produced only if the tries of deals 1 to
// k together stay within the limit. A shard counts its own tries.

#include "script/DealMasks.h"
#include "script/ScriptActions.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace kv::script {

struct TRunRequest {
    std::int32_t Seed = 0;
    std::int64_t First = 0; // the number of the first deal to make, less one (a shard's start)
    std::int64_t Count = 0; // the deals to produce
    std::int64_t Generate = kDefaultGenerate;
    int Threads = 1;
    bool SeatFirst = true; // deal a bounded seat first (off only to compare the two ways)
};

struct TProducedDeal {
    std::int64_t Number = 0; // from 1
    std::int64_t Attempts = 0;
    TDealMasks Deal;
    TDealReport Report;
};

struct TRunProgress {
    std::int64_t Attempts = 0; // tried so far by every thread
    std::int64_t Produced = 0; // handed over so far
};

struct TRunResult {
    std::int64_t Generated = 0; // the tries counted against the limit
    std::int64_t Produced = 0;
    bool LimitReached = false;
    bool Cancelled = false;
    bool Impossible = false;           // no deal can meet the condition: nothing was dealt
    std::optional<TScriptError> Fault; // a division by zero, a solver failure
};

struct TRunCallbacks {
    // Each deal, in order, on the calling thread.
    std::function<void(TProducedDeal&&)> Deal;
    // Now and then, on the calling thread.
    std::function<void(const TRunProgress&)> Progress;
};

// Once `cancel` is set, the run stops at the first deal not yet found (the
// deals found before are still handed over, in order) and returns with
// Cancelled.
TRunResult RunScript(const TScript& script, const TRunRequest& request, const TPbnTags& tags,
                     const TRunCallbacks& callbacks, const std::atomic<bool>& cancel);

// Whether a deal from elsewhere gives each seat its predealt cards and meets
// the condition; `evaluator` is left set to the deal, `random` serves rnd().
bool Accepts(const TScript& script, TEvaluator& evaluator, const TDealMasks& deal,
             TRandomStream& random);

} // namespace kv::script
