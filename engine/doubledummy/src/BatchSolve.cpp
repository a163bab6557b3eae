// Single boards and tables of chosen denominations through the dds solver.
#include "engine/doubledummy/BatchSolve.h"

#include "DdsSolver.h"

#include <algorithm>
#include <cassert>
#include <memory>

namespace kv {
namespace {

// One call: the declarer takes what the side on lead, its left-hand
// opponent's, does not.
void SolveBatch(std::span<const TSingleBoard> boards, std::vector<int>& tricks) {
    auto batch = std::make_unique<::boards>();
    auto solved = std::make_unique<solvedBoards>();
    batch->noOfBoards = static_cast<int>(boards.size());
    for (std::size_t n = 0; n < boards.size(); ++n) {
        assert(boards[n].Strain >= 0 && boards[n].Strain < kStrains);
        assert(boards[n].Declarer >= 0 && boards[n].Declarer < 4);
        ::deal& board = batch->deals[n];
        board = {};
        board.trump = dds::kSolverStrain[boards[n].Strain];
        board.first = (boards[n].Declarer + 1) % 4;
        dds::CopyCards(boards[n].Cards, board.remainCards);
        batch->target[n] = -1, batch->solutions[n] = 1, batch->mode[n] = 1;
    }
    {
        const auto lock = dds::HoldReadySolver();
        dds::CheckSolver(SolveAllChunksBin(batch.get(), solved.get(), 1));
    }
    for (std::size_t n = 0; n < boards.size(); ++n)
        tricks.push_back(13 - solved->solvedBoard[n].score[0]);
}

void SolveTableBatch(std::span<const THoldings> deals, std::span<const int> strains,
                     std::vector<TDDTable>& tables) {
    auto batch = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    int filter[DDS_STRAINS] = {1, 1, 1, 1, 1};
    for (const int strain : strains) {
        assert(strain >= 0 && strain < kStrains);
        filter[dds::kSolverStrain[strain]] = 0;
    }
    batch->noOfTables = static_cast<int>(deals.size());
    for (std::size_t i = 0; i < deals.size(); ++i)
        dds::CopyCards(deals[i], batch->deals[i].cards);
    {
        const auto lock = dds::HoldReadySolver();
        dds::CheckSolver(CalcAllTables(batch.get(), -1, filter, results.get(), nullptr));
    }
    for (std::size_t i = 0; i < deals.size(); ++i)
        tables.push_back(dds::TableOf(results->results[i], strains));
}

} // namespace

std::vector<int> SolveBoards(std::span<const TSingleBoard> boards) {
    std::vector<int> tricks;
    tricks.reserve(boards.size());
    for (std::size_t start = 0; start < boards.size(); start += kMaxSolverBoards)
        SolveBatch(boards.subspan(start, std::min(kMaxSolverBoards, boards.size() - start)),
                   tricks);
    return tricks;
}

std::vector<TDDTable> SolveStrainTables(std::span<const THoldings> deals,
                                        std::span<const int> strains) {
    std::vector<TDDTable> tables;
    if (strains.empty()) return std::vector<TDDTable>(deals.size());
    tables.reserve(deals.size());
    const std::size_t most = std::max<std::size_t>(1, kMaxSolverBoards / strains.size());
    for (std::size_t start = 0; start < deals.size(); start += most)
        SolveTableBatch(deals.subspan(start, std::min(most, deals.size() - start)), strains,
                        tables);
    return tables;
}

} // namespace kv
