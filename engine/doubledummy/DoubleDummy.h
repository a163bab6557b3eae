#pragma once
// Double-dummy analysis of complete deals through the dds solver: how many
// tricks each declarer takes in each denomination with all cards visible,
// and the par result. Analysis never draws a random number. This folder is
// the program's one binding of the solver: single boards and chosen
// denominations are in BatchSolve.h, solving off the calling thread in
// SolverWorker.h.

#include "engine/Cards.h"
#include "engine/FullDeal.h"

#include <array>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace kv {

// Denominations in table order: notrump, spades, hearts, diamonds, clubs.
inline constexpr int kStrains = 5;
// Declarers in table order: North, South, East, West.
inline constexpr int kDeclarers = 4;

struct TDDTable {
    // Tricks[strain][declarer], both in the table orders above.
    std::array<std::array<int, kDeclarers>, kStrains> Tricks{};

    // The 20 hexadecimal digits of the PBN DoubleDummyTricks tag: for North,
    // South, East and West in turn, the tricks in NT, spades, hearts,
    // diamonds and clubs.
    std::string TagValue() const;
    friend bool operator==(const TDDTable&, const TDDTable&) = default;
};

// Reads a DoubleDummyTricks tag value; false for anything but 20 hex digits of 0..13.
bool TableFromTag(const std::string& value, TDDTable& table);

// One par contract with its double-dummy result.
struct TParContract {
    int Seats = 0;  // 0..5 = N, E, S, W, NS, EW
    int Level = 1;  // 1..7
    int Strain = 0; // table order: notrump, spades, hearts, diamonds, clubs
    bool Doubled = false;
    int Result = 0; // overtricks when positive, undertricks when negative
    friend bool operator==(const TParContract&, const TParContract&) = default;
};

struct TParResult {
    int ScoreNS = 0; // the par score from North-South's side
    // Empty when the par is to pass; several when different contracts score the same.
    std::vector<TParContract> Contracts;

    // The PBN OptimumScore tag value: the declaring side and its score,
    // "NS 620" or "EW -100" ("NS 0" when passed out).
    std::string OptimumScore() const;
    // The PBN ParContract tag value: "NS 4S=", "EW 3N+1", "NS 5DX-1", several
    // joined by "; ".
    std::string ParContract() const;
};

// True when the contract is declared by East, West or East-West.
bool DeclaredByEastWest(const TParContract& contract);

// Dealer 0..3 = N, E, S, W; vulnerability as the PBN Vulnerable tag writes it.
TParResult ParOf(const TDDTable& table, int dealer, const std::string& vulnerability);

// One table. Throws std::runtime_error with the solver's message on failure.
TDDTable SolveTable(const TFullDeal& deal);

// Many tables, solved in batches of the solver's maximum on every core.
// `progress` (optional) is told after each batch how many are done.
std::vector<TDDTable> SolveTables(std::span<const TFullDeal> deals,
                                  const std::function<void(std::size_t done)>& progress = {});

// The solver keeps one state per process and every call of this binding
// holds its lock. A host whose print library carries its own copy of this
// binding (and so its own lock) holds this one while it calls that library,
// so that the two never use the solver at once.
std::unique_lock<std::mutex> HoldSolver();

} // namespace kv
