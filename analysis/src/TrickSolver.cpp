#include "analysis/TrickSolver.h"

#include "engine/doubledummy/BatchSolve.h"

#include <algorithm>

namespace kv::analysis {
namespace {

std::vector<int> SeatsOf(const TSolveOrder& order) {
    std::vector<int> seats;
    if (order.North) seats.push_back(kNorth);
    if (order.South) seats.push_back(kSouth);
    return seats;
}

// One board per deal, denomination and declaring seat.
void SolveSingleBoards(std::span<TDealResult> deals, const TSolveOrder& order) {
    const std::vector<int> seats = SeatsOf(order);
    std::vector<TSingleBoard> boards;
    boards.reserve(deals.size() * order.Strains.size() * seats.size());
    for (const TDealResult& deal : deals)
        for (int strain : order.Strains)
            for (int seat : seats)
                boards.push_back({deal.Holdings, strain, seat});
    const std::vector<int> tricks = SolveBoards(boards);
    std::size_t n = 0;
    for (TDealResult& deal : deals)
        for (int strain : order.Strains)
            for (int seat : seats)
                deal.Tricks[static_cast<std::size_t>(strain)][seat == kNorth ? 0 : 1] =
                    static_cast<std::int8_t>(tricks[n++]);
}

// A table's rows in table order: North first, then South.
void SolveFilteredTables(std::span<TDealResult> deals, const TSolveOrder& order) {
    std::vector<THoldings> cards;
    cards.reserve(deals.size());
    for (const TDealResult& deal : deals)
        cards.push_back(deal.Holdings);
    const std::vector<TDDTable> tables = SolveStrainTables(cards, order.Strains);
    for (std::size_t i = 0; i < deals.size(); ++i)
        for (int strain : order.Strains) {
            const auto& row = tables[i].Tricks[static_cast<std::size_t>(strain)];
            auto& tricks = deals[i].Tricks[static_cast<std::size_t>(strain)];
            if (order.North) tricks[0] = static_cast<std::int8_t>(row[0]);
            if (order.South) tricks[1] = static_cast<std::int8_t>(row[1]);
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
    return std::max<std::size_t>(1,
                                 kMaxSolverBoards / static_cast<std::size_t>(std::max(1, perDeal)));
}

void TDdsSolver::Solve(std::span<TDealResult> deals, const TSolveOrder& order) {
    if (order.Strains.empty() || order.Seats() == 0) return;
    const std::size_t most = BatchSize(order);
    for (std::size_t start = 0; start < deals.size(); start += most) {
        const std::span<TDealResult> part =
            deals.subspan(start, std::min(most, deals.size() - start));
        if (Path(order) == TSolverPath::Boards)
            SolveSingleBoards(part, order);
        else
            SolveFilteredTables(part, order);
    }
}

} // namespace kv::analysis
