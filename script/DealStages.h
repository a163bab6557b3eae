#pragma once
// The order in which a script's seats are dealt and its condition tested
// between them. When the condition is a chain of &&, each of its terms is
// tested as soon as the seats it reads are dealt, so that a deal failing an
// early term costs the draws of those seats only. The seats are dealt in the
// order that rejects soonest: chosen once per script from a sample of deals
// drawn with a fixed stream, so that it is the same on every run and thread.

#include "script/DealMasks.h"
#include "script/Evaluator.h"
#include "script/Script.h"

#include <array>
#include <functional>
#include <vector>

namespace kv::script {

struct TDealStages {
    std::vector<int> Order; // the seats dealt by shuffling: those the condition reads first
    int ReadSeats = 0;      // how many of Order the condition reads
    // Tests[k]: the terms to test once the first k seats of Order are dealt,
    // k from 0 (only the predealt cards and the seat dealt first) to ReadSeats.
    std::vector<std::vector<int>> Tests;
};

// The seats of the script's deals already whole before any shuffle are
// `dealt` (bit per seat); `shuffled` lists the others. `sample` fills a whole
// deal drawn as the deal maker draws them.
TDealStages PlanStages(const TScript& script, const THandTables& tables, unsigned dealt,
                       const std::vector<int>& shuffled,
                       const std::function<void(TRandomStream&, TDealMasks&)>& sample);

} // namespace kv::script
