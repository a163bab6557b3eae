#pragma once
// The binding's own side of the dds solver: its lock, its set-up, its return
// codes, and the one translation between our orders of seats and
// denominations and the solver's. Only the binding's sources include it, so
// that nothing else in the program sees <dds/dll.h>.

#include "engine/doubledummy/BatchSolve.h"
#include "engine/doubledummy/DoubleDummy.h"

#include <dds/dll.h>

#include <mutex>

namespace kv::dds {

// The solver numbers denominations spades, hearts, diamonds, clubs, notrump:
// its number for each of ours in table order.
inline constexpr int kSolverStrain[kStrains] = {4, 0, 1, 2, 3};
// Its seats are North, East, South, West: its seat for each declarer of a
// table row (North, South, East, West).
inline constexpr int kSolverSeat[kDeclarers] = {0, 2, 1, 3};

static_assert(kMaxSolverBoards == MAXNOOFBOARDS);
static_assert(MAXNOOFTABLES * DDS_STRAINS == MAXNOOFBOARDS);

// The solver's lock, with the solver set up for every core.
std::unique_lock<std::mutex> HoldReadySolver();
// Throws std::runtime_error "double-dummy analysis failed: <the solver's
// text>" unless `code` says success.
void CheckSolver(int code);

void CopyCards(const THoldings& cards, unsigned int (&to)[DDS_HANDS][DDS_SUITS]);
THoldings HoldingsOf(const TFullDeal& deal);
// The tricks of every declarer in the denominations of `strains` (table
// order); the others stay 0.
TDDTable TableOf(const ddTableResults& results, std::span<const int> strains);
ddTableResults ResultsOf(const TDDTable& table);

} // namespace kv::dds
