#pragma once
// A deal as four bit masks, the form the script engine deals and evaluates:
// each hand a 64-bit mask with one 16-bit field per suit (spades in bits 0 to
// 12, hearts 16 to 28, diamonds 32 to 44, clubs 48 to 60), and in each field
// bit r - 2 for the card of rank r. A suit's field, its holding, indexes the
// tables of points, losers and so on; its length is a population count.

#include "engine/FullDeal.h"

#include <array>
#include <bit>
#include <cstdint>

namespace kv::script {

// Seats in the order of a full deal and of dealer: North, East, South, West.
inline constexpr int kSeats = 4;
// Suits in the engine's order: spades, hearts, diamonds, clubs.
inline constexpr int kSuits = 4;
inline constexpr int kHoldings = 1 << 13;
inline constexpr std::uint64_t kFullPack = 0x1FFF1FFF1FFF1FFFull;

constexpr int CardIndex(int suit, int rank) {
    return suit * 16 + rank - 2;
}
constexpr std::uint64_t CardBit(int suit, int rank) {
    return std::uint64_t{1} << CardIndex(suit, rank);
}
constexpr unsigned Holding(std::uint64_t hand, int suit) {
    return static_cast<unsigned>(hand >> (16 * suit)) & 0x1FFFu;
}
constexpr int Length(std::uint64_t hand, int suit) {
    return std::popcount(Holding(hand, suit));
}

struct TDealMasks {
    std::array<std::uint64_t, kSeats> Hands{}; // North, East, South, West

    friend bool operator==(const TDealMasks&, const TDealMasks&) = default;
};

TDealMasks MasksOf(const TFullDeal& deal);
// Each suit's ranks highest first, as deal text lists them.
TFullDeal FullDealOf(const TDealMasks& masks);

} // namespace kv::script
