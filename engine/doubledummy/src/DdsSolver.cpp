#include "DdsSolver.h"

#include "engine/CardCodes.h"

#include <stdexcept>
#include <string>

namespace kv {
namespace {

// The solver keeps global state: one analysis at a time, from any thread.
std::mutex& SolverLock() {
    static std::mutex lock;
    return lock;
}

} // namespace

std::unique_lock<std::mutex> HoldSolver() {
    return std::unique_lock<std::mutex>(SolverLock());
}

namespace dds {

std::unique_lock<std::mutex> HoldReadySolver() {
    std::unique_lock<std::mutex> lock(SolverLock());
    static std::once_flag once;
    std::call_once(once, [] { SetMaxThreads(0); });
    return lock;
}

void CheckSolver(int code) {
    if (code == RETURN_NO_FAULT) return;
    char text[80] = {};
    ErrorMessage(code, text);
    throw std::runtime_error(std::string("double-dummy analysis failed: ") + text);
}

void CopyCards(const THoldings& cards, unsigned int (&to)[DDS_HANDS][DDS_SUITS]) {
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (std::size_t suit = 0; suit < 4; ++suit)
            to[seat][suit] = cards[seat][suit];
}

THoldings HoldingsOf(const TFullDeal& deal) {
    THoldings cards{};
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (std::size_t suit = 0; suit < 4; ++suit)
            cards[seat][suit] = RankMask(deal.Hands[seat].Suit(static_cast<int>(suit)));
    return cards;
}

TDDTable TableOf(const ddTableResults& results, std::span<const int> strains) {
    TDDTable table;
    for (const int strain : strains)
        for (std::size_t d = 0; d < kDeclarers; ++d)
            table.Tricks[static_cast<std::size_t>(strain)][d] =
                results.resTable[kSolverStrain[strain]][kSolverSeat[d]];
    return table;
}

ddTableResults ResultsOf(const TDDTable& table) {
    ddTableResults results{};
    for (std::size_t strain = 0; strain < kStrains; ++strain)
        for (std::size_t d = 0; d < kDeclarers; ++d)
            results.resTable[kSolverStrain[strain]][kSolverSeat[d]] = table.Tricks[strain][d];
    return results;
}

} // namespace dds
} // namespace kv
