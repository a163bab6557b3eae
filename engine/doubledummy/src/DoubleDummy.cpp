// Whole tables and par through the dds solver.
#include "engine/doubledummy/DoubleDummy.h"

#include "DdsSolver.h"

#include <algorithm>
#include <array>
#include <memory>

namespace kv {
namespace {

constexpr std::array<int, kStrains> kEveryStrain{0, 1, 2, 3, 4};

int SolverVulnerability(const std::string& v) {
    if (v == "All" || v == "Both") return 1;
    if (v == "NS") return 2;
    if (v == "EW") return 3;
    return 0;
}

TParContract ContractOf(const contractType& c) {
    // The solver's denominations are in our table order: notrump, then spades to clubs.
    return TParContract{c.seats, c.level, c.denom, c.underTricks > 0,
                        c.underTricks > 0 ? -c.underTricks : c.overTricks};
}

} // namespace

TParResult ParOf(const TDDTable& table, int dealer, const std::string& vulnerability) {
    ddTableResults r = dds::ResultsOf(table);
    parResultsMaster master{};
    {
        const auto solver = dds::HoldReadySolver();
        dds::CheckSolver(DealerParBin(&r, &master, dealer, SolverVulnerability(vulnerability)));
    }
    TParResult par;
    par.ScoreNS = master.score;
    for (int i = 0; i < master.number && i < 10; ++i)
        par.Contracts.push_back(ContractOf(master.contracts[i]));
    return par;
}

TDDTable SolveTable(const TFullDeal& deal) {
    ddTableDeal cards{};
    dds::CopyCards(dds::HoldingsOf(deal), cards.cards);
    ddTableResults r{};
    const auto solver = dds::HoldReadySolver();
    dds::CheckSolver(CalcDDtable(cards, &r));
    return dds::TableOf(r, kEveryStrain);
}

std::vector<TDDTable> SolveTables(std::span<const TFullDeal> deals,
                                  const std::function<void(std::size_t)>& progress) {
    std::vector<TDDTable> tables;
    tables.reserve(deals.size());
    auto batch = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    const auto solver = dds::HoldReadySolver();
    for (std::size_t start = 0; start < deals.size(); start += MAXNOOFTABLES) {
        const std::size_t n = std::min<std::size_t>(MAXNOOFTABLES, deals.size() - start);
        batch->noOfTables = static_cast<int>(n);
        for (std::size_t i = 0; i < n; ++i)
            dds::CopyCards(dds::HoldingsOf(deals[start + i]), batch->deals[i].cards);
        dds::CheckSolver(CalcAllTables(batch.get(), -1, filter, results.get(), nullptr));
        for (std::size_t i = 0; i < n; ++i)
            tables.push_back(dds::TableOf(results->results[i], kEveryStrain));
        if (progress) progress(tables.size());
    }
    return tables;
}

} // namespace kv
