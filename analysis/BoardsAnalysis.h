#pragma once
// The analysis of given boards instead of dealt deals: the hands window's
// session, or the boards of a file. Each board keeps its own number and
// vulnerability, so that a comparison of two contracts can score every board
// at its own. The figures are counted exactly as for dealt deals: boards dealt
// from a seed give the numbers of the analysis of that seed's deals.

#include "analysis/AnalysisRun.h"
#include "output/dealtext/BoardDeal.h"

#include <atomic>
#include <span>
#include <string>

namespace kv::analysis {

// What to measure (as in TAnalysisRequest) and where the boards came from.
struct TBoardsRequest {
    TBoardsOrigin Origin;
    TAnalysisKind Kind = TAnalysisKind::ShapeAndPoints;
    std::vector<TDeclarer> Declarers; // used for Tricks
    std::vector<int> Strains;         // used for Tricks
    std::optional<TCompareSpec> Compare;
};

// The measures of `measure` (kind, declarers, denominations, comparison) for
// boards from `origin`; its seed, count, types and shard are not used.
TBoardsRequest BoardsRequestOf(const TAnalysisRequest& measure, TBoardsOrigin origin);

// The result of a board that gives all four hands: numbered as the board,
// type 0, at the board's own vulnerability; no tricks yet.
TDealResult ResultOf(const TBoardDeal& board);

// Why none of `boards` can be analysed, or an empty string: there is no board;
// no board gives all four hands (the boards are named); or a board that gives
// them does not hold each of the 52 cards once.
std::string BoardsFault(std::span<const TBoardDeal> boards);

// Runs `request` over those of `boards` that give all four hands, in their
// order; the others are named in a note and left out. Cancel and failures
// behave as in RunAnalysis; the summary's key names the origin, and its
// count is the number of boards to analyse.
TAnalysisOutcome RunBoardsAnalysis(const TBoardsRequest& request,
                                   std::span<const TBoardDeal> boards, ITrickSolver& solver,
                                   const std::atomic<bool>& cancel,
                                   const TRunCallbacks& callbacks = {});

} // namespace kv::analysis
