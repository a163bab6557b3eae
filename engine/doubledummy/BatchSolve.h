#pragma once
// Many deals at once, for the analysis of many deals: single boards (one
// declarer in one denomination each) and tables of chosen denominations.
// Each call of the solver takes a batch on every core under the solver's
// lock; larger requests are split into such batches here.

#include "engine/doubledummy/DoubleDummy.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kv {

// A deal's cards as the solver takes them: [seat North, East, South, West]
// [suit spades, hearts, diamonds, clubs], bit r set when the hand holds rank r (2..14).
using THoldings = std::array<std::array<std::uint16_t, 4>, 4>;

// The most boards one call of the solver takes: single boards, or tables
// times the denominations asked for.
inline constexpr std::size_t kMaxSolverBoards = 200;

struct TSingleBoard {
    THoldings Cards{};
    int Strain = 0;   // table order: notrump, spades, hearts, diamonds, clubs
    int Declarer = 0; // 0..3 = North, East, South, West; the opening lead is from its left
};

// The tricks each board's declarer takes, in the boards' order. Throws
// std::runtime_error "double-dummy analysis failed: ..." with the solver's
// message; nothing is returned then.
std::vector<int> SolveBoards(std::span<const TSingleBoard> boards);

// The tables of `deals` in the denominations `strains` (table order, each
// once) for all four declarers; the tricks of the other denominations are 0.
// Throws as SolveBoards.
std::vector<TDDTable> SolveStrainTables(std::span<const THoldings> deals,
                                        std::span<const int> strains);

} // namespace kv
