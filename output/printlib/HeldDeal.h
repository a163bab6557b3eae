#pragma once
// A deal as the print library holds it: the four hands, each as its four
// holdings (spades, hearts, diamonds, clubs) in the rank letters of the deal
// text, highest first ("AKT3"; "" for a void).

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kv::printlib {

enum class TSeat { North, East, South, West };

using THeldHand = std::array<std::string, 4>;

struct THeldDeal {
    std::array<THeldHand, 4> Hands; // indexed by TSeat

    const THeldHand& Hand(TSeat seat) const { return Hands[static_cast<std::size_t>(seat)]; }
};

// Reads [Deal "F:<hand> <hand> <hand> <hand>"], F the seat of the first hand
// (N, E, S or W), the hands following clockwise. Nothing is returned unless
// the text deals each of the 52 cards exactly once, 13 to a hand, ranks
// highest first.
std::optional<THeldDeal> ParseDealText(std::string_view text);

} // namespace kv::printlib
