#pragma once
// The double-dummy analysis of the held deals, for the grid printed under
// each board of the all-four-hands layout: the tricks of every declarer in
// every denomination, and the par for the board's dealer and vulnerability.
// The analysis goes through the program's own solver binding, so printed
// results and exported ones are the same numbers.

#include "BoardInfo.h"
#include "DoubleDummy.h"
#include "HeldDeal.h"

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

// Analyses deal k as board k + 1, in the solver's batches. The solver works on
// another thread; meanwhile a calling thread that runs the application's
// event loop keeps its windows painted (user input waits). Throws nothing:
// when the solver fails, every board comes back unsolved.
std::vector<TBoardAnalysis> AnalyseBoards(const std::vector<THeldDeal>& deals);

} // namespace kv::printlib
