#pragma once
// One complete deal: the four hands of a table.

#include "engine/Cards.h"

#include <array>

namespace kv {

// Seats as a full deal orders them.
inline constexpr int kNorthSeat = 0, kEastSeat = 1, kSouthSeat = 2, kWestSeat = 3;

// Hands in the order North, East, South, West.
struct TFullDeal {
    std::array<tHand, 4> Hands;

    const tHand& North() const { return Hands[kNorthSeat]; }
    const tHand& East() const { return Hands[kEastSeat]; }
    const tHand& South() const { return Hands[kSouthSeat]; }
    const tHand& West() const { return Hands[kWestSeat]; }

    friend bool operator==(const TFullDeal&, const TFullDeal&) = default;
};

} // namespace kv
