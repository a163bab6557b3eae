// Double-dummy analysis through the dds solver.
#include "engine/doubledummy/DoubleDummy.h"

#include "engine/CardCodes.h"

#include <dds/dll.h>

#include <memory>
#include <mutex>
#include <stdexcept>

namespace kv {
namespace {

// The solver keeps global state: one analysis at a time, from any thread.
std::mutex& SolverLock() {
    static std::mutex lock;
    return lock;
}

void InitSolver() {
    static std::once_flag once;
    std::call_once(once, [] { SetMaxThreads(0); });
}

ddTableDeal ToSolver(const TFullDeal& deal) {
    ddTableDeal out{};
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            out.cards[seat][suit] = RankMask(deal.Hands[static_cast<std::size_t>(seat)].Suit(suit));
    return out;
}

// The solver's table is [spades, hearts, diamonds, clubs, NT][N, E, S, W].
TDDTable FromSolver(const ddTableResults& r) {
    static constexpr int kSolverStrain[kStrains] = {4, 0, 1, 2, 3};
    static constexpr int kSolverHand[kDeclarers] = {0, 2, 1, 3};
    TDDTable table;
    for (int strain = 0; strain < kStrains; ++strain)
        for (int d = 0; d < kDeclarers; ++d)
            table.Tricks[static_cast<std::size_t>(strain)][static_cast<std::size_t>(d)] =
                r.resTable[kSolverStrain[strain]][kSolverHand[d]];
    return table;
}

ddTableResults ToSolver(const TDDTable& table) {
    static constexpr int kStrainOf[kStrains] = {1, 2, 3, 4, 0};  // solver strain -> ours
    static constexpr int kDeclarerOf[kDeclarers] = {0, 2, 1, 3}; // solver hand -> ours
    ddTableResults r{};
    for (int strain = 0; strain < kStrains; ++strain)
        for (int hand = 0; hand < kDeclarers; ++hand)
            r.resTable[strain][hand] = table.Tricks[static_cast<std::size_t>(kStrainOf[strain])]
                                                   [static_cast<std::size_t>(kDeclarerOf[hand])];
    return r;
}

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

std::unique_lock<std::mutex> HoldSolver() {
    return std::unique_lock<std::mutex>(SolverLock());
}

std::unique_lock<std::mutex> HoldReadySolver() {
    std::unique_lock<std::mutex> lock(SolverLock());
    InitSolver();
    return lock;
}

void CheckSolver(int code) {
    if (code == RETURN_NO_FAULT) return;
    char text[80] = {};
    ErrorMessage(code, text);
    throw std::runtime_error(std::string("double-dummy analysis failed: ") + text);
}

TParResult ParOf(const TDDTable& table, int dealer, const std::string& vulnerability) {
    ddTableResults r = ToSolver(table);
    parResultsMaster master{};
    {
        const auto solver = HoldReadySolver();
        CheckSolver(DealerParBin(&r, &master, dealer, SolverVulnerability(vulnerability)));
    }
    TParResult par;
    par.ScoreNS = master.score;
    for (int i = 0; i < master.number && i < 10; ++i)
        par.Contracts.push_back(ContractOf(master.contracts[i]));
    return par;
}

TDDTable SolveTable(const TFullDeal& deal) {
    ddTableResults r{};
    const auto solver = HoldReadySolver();
    CheckSolver(CalcDDtable(ToSolver(deal), &r));
    return FromSolver(r);
}

std::vector<TDDTable> SolveTables(std::span<const TFullDeal> deals,
                                  const std::function<void(std::size_t)>& progress) {
    std::vector<TDDTable> tables;
    tables.reserve(deals.size());
    auto batch = std::make_unique<ddTableDeals>();
    auto results = std::make_unique<ddTablesRes>();
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    const auto solver = HoldReadySolver();
    for (std::size_t start = 0; start < deals.size(); start += MAXNOOFTABLES) {
        const std::size_t n = std::min<std::size_t>(MAXNOOFTABLES, deals.size() - start);
        batch->noOfTables = static_cast<int>(n);
        for (std::size_t i = 0; i < n; ++i)
            batch->deals[i] = ToSolver(deals[start + i]);
        CheckSolver(CalcAllTables(batch.get(), -1, filter, results.get(), nullptr));
        for (std::size_t i = 0; i < n; ++i)
            tables.push_back(FromSolver(results->results[i]));
        if (progress) progress(tables.size());
    }
    return tables;
}

} // namespace kv
