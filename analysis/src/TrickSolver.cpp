#include "analysis/TrickSolver.h"

#include <dds/dll.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace kv::analysis {
namespace {

// The solver numbers denominations spades, hearts, diamonds, clubs, notrump.
constexpr int kSolverStrain[kStrains] = {4, 0, 1, 2, 3};
// Boards per call of either entry: MAXNOOFBOARDS boards, or tables times
// denominations up to MAXNOOFTABLES * DDS_STRAINS.
constexpr int kMaxBoards = MAXNOOFBOARDS;
static_assert(MAXNOOFTABLES * DDS_STRAINS == MAXNOOFBOARDS);

void CopyCards(const TDealResult& deal, unsigned int (&cards)[DDS_HANDS][DDS_SUITS]) {
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (std::size_t suit = 0; suit < 4; ++suit)
            cards[seat][suit] = deal.Holdings[seat][suit];
}

std::vector<int> SeatsOf(const TSolveOrder& order) {
    std::vector<int> seats;
    if (order.North) seats.push_back(kNorth);
    if (order.South) seats.push_back(kSouth);
    return seats;
}

// One board per deal, denomination and declaring seat; the opening leader is
// the declarer's left-hand opponent, and the declarer takes what the leader's
// side does not.
void SolveBoards(std::span<TDealResult> deals, const TSolveOrder& order) {
    const std::vector<int> seats = SeatsOf(order);
    auto batch = std::make_unique<boards>();
    auto solved = std::make_unique<solvedBoards>();
    int n = 0;
    for (const TDealResult& deal : deals)
        for (int strain : order.Strains)
            for (int seat : seats) {
                ::deal& board = batch->deals[n];
                board = {};
                board.trump = kSolverStrain[strain];
                board.first = (seat + 1) % 4;
                CopyCards(deal, board.remainCards);
                batch->target[n] = -1, batch->solutions[n] = 1, batch->mode[n] = 1;
                ++n;
            }
    batch->noOfBoards = n;
    {
        const auto lock = HoldReadySolver();
        CheckSolver(SolveAllChunksBin(batch.get(), solved.get(), 1));
    }
    n = 0;
    for (TDealResult& deal : deals)
        for (int strain : order.Strains)
            for (int seat : seats)
                deal.Tricks[static_cast<std::size_t>(strain)][seat == kNorth ? 0 : 1] =
                    static_cast<std::int8_t>(13 - solved->solvedBoard[n++].score[0]);
}

void SolveTables(std::span<TDealResult> deals, const TSolveOrder& order) {
    auto batch = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    int filter[DDS_STRAINS] = {1, 1, 1, 1, 1};
    for (int strain : order.Strains)
        filter[kSolverStrain[strain]] = 0;
    batch->noOfTables = static_cast<int>(deals.size());
    for (std::size_t i = 0; i < deals.size(); ++i)
        CopyCards(deals[i], batch->deals[i].cards);
    {
        const auto lock = HoldReadySolver();
        CheckSolver(CalcAllTables(batch.get(), -1, filter, results.get(), nullptr));
    }
    for (std::size_t i = 0; i < deals.size(); ++i)
        for (int strain : order.Strains) {
            const auto& row = results->results[i].resTable[kSolverStrain[strain]];
            auto& tricks = deals[i].Tricks[static_cast<std::size_t>(strain)];
            if (order.North) tricks[0] = static_cast<std::int8_t>(row[kNorth]);
            if (order.South) tricks[1] = static_cast<std::int8_t>(row[kSouth]);
        }
}

} // namespace

TSolveOrder OrderOf(const TAnalysisRequest& request) {
    TSolveOrder order;
    order.Strains = request.Strains;
    for (TDeclarer d : request.Declarers) {
        order.North = order.North || d != TDeclarer::South;
        order.South = order.South || d != TDeclarer::North;
    }
    return order;
}

// A table solves each denomination with all four seats on lead in turn; the
// analysis needs at most two declarers, North and South, and two single boards
// per denomination measured faster than a filtered table, for one denomination
// and for all five (analysis_bench: BothSeatsOneStrain, BothSeatsAllStrains).
TSolverPath TDdsSolver::PathFor(const TSolveOrder&) {
    return TSolverPath::Boards;
}

std::size_t TDdsSolver::BatchSize(const TSolveOrder& order) const {
    const int perDeal = static_cast<int>(order.Strains.size()) *
                        (Path(order) == TSolverPath::Boards ? order.Seats() : 1);
    return static_cast<std::size_t>(std::max(1, kMaxBoards / std::max(1, perDeal)));
}

void TDdsSolver::Solve(std::span<TDealResult> deals, const TSolveOrder& order) {
    if (order.Strains.empty() || order.Seats() == 0) return;
    const std::size_t most = BatchSize(order);
    for (std::size_t start = 0; start < deals.size(); start += most) {
        const std::span<TDealResult> part =
            deals.subspan(start, std::min(most, deals.size() - start));
        if (Path(order) == TSolverPath::Boards)
            SolveBoards(part, order);
        else
            SolveTables(part, order);
    }
}

} // namespace kv::analysis
