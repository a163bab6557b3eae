#pragma once
// The double-dummy analysis of the held deals, for the grid printed under
// each board of the all-four-hands layout: the tricks of every declarer in
// every denomination, and the par for the board's dealer and vulnerability.
// The analysis goes through the program's own solver binding, so printed
// results and exported ones are the same numbers.

#include "BoardInfo.h"
#include "HeldDeal.h"
#include "engine/doubledummy/DoubleDummy.h"

#include <functional>
#include <optional>
#include <vector>

namespace kv::printlib {

struct TBoardAnalysis {
    bool Solved = false; // false when the solver failed on it
    TDDTable Table;
    TParResult Par;
};

// The held deal as the solver takes it.
TFullDeal FullDealOf(const THeldDeal& deal);
// The PBN Vulnerable value of a board: "None", "NS", "EW" or "All".
const char* PbnVulnerability(TVulnerability vulnerability);

// Told on the calling thread how many of the deals are analysed; answers
// false to stop the analysis.
using TAnalysisProgress = std::function<bool(int done, int total)>;

// Analyses every deal that gives all four hands, one at a time, each with the
// par for its own dealer and vulnerability; a deal that leaves hands out
// comes back unsolved. The solver works on the double-dummy worker;
// meanwhile the calling thread tells `progress` how far it is, about every
// 25 ms and once more at the end, or without `progress`, if it runs the
// application's event loop, keeps its windows painted (user input waits).
// Nothing comes back when `progress` stopped it (the deal being solved then
// is finished first). Throws nothing: when the solver fails, every board comes back unsolved.
std::optional<std::vector<TBoardAnalysis>> AnalyseBoards(const std::vector<THeldDeal>& deals,
                                                         const TAnalysisProgress& progress = {});

} // namespace kv::printlib
