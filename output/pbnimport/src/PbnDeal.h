#pragma once
// The value of a PBN Deal tag: "F:<hand> <hand> <hand> <hand>", F the seat of
// the first hand (N, E, S or W), the others following clockwise. A hand is
// "-" when the tag leaves it out, else four suits (spades, hearts, diamonds,
// clubs) joined by full stops, each its ranks A K Q J T 9 .. 2 in any order;
// "10" and lower-case letters are read too.

#include "engine/doubledummy/DoubleDummy.h"

#include <array>
#include <string_view>

namespace kv::pbn {

struct TDealValue {
    TFullDeal Deal;              // North, East, South, West; ranks highest first
    std::array<bool, 4> Known{}; // false for a hand given as "-"
};

// Reads a Deal tag's value. Every card may be given once; a hand that is
// given holds 13 cards; when all four are given, the deal holds all 52.
// Throws EPbnFormat, at `line`, naming what is wrong.
TDealValue ReadDealValue(std::string_view value, long line);

} // namespace kv::pbn
