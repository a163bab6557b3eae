#pragma once
// A deal as the print library holds it: the four hands, each as its four
// holdings (spades, hearts, diamonds, clubs) in the rank letters of the deal
// text, highest first ("AKT3"; "" for a void), and the board it is printed
// as: its number, dealer and vulnerability.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kv::printlib {

enum class TSeat { North, East, South, West };
enum class TVulnerability { None, NorthSouth, EastWest, Both };

using THeldHand = std::array<std::string, 4>;

struct THeldDeal {
    std::array<THeldHand, 4> Hands; // indexed by TSeat
    // False for a hand the deal text leaves out ("-"); its holdings are empty.
    std::array<bool, 4> Known{true, true, true, true};
    int Board = 1;
    TSeat Dealer = TSeat::North;
    TVulnerability Vulnerability = TVulnerability::None;

    const THeldHand& Hand(TSeat seat) const { return Hands[static_cast<std::size_t>(seat)]; }
    bool IsKnown(TSeat seat) const { return Known[static_cast<std::size_t>(seat)]; }
    bool Complete() const { return Known == std::array<bool, 4>{true, true, true, true}; }
};

// Reads [Deal "F:<hand> <hand> <hand> <hand>"], F the seat of the first hand
// (N, E, S or W), the hands following clockwise. With `allowUnknown`, a hand
// may be "-", left out. Nothing is returned unless the text deals each card
// at most once and 13 to every hand it gives, ranks highest first, and
// without `allowUnknown` gives all four hands. The board is board 1.
std::optional<THeldDeal> ParseDealText(std::string_view text, bool allowUnknown = false);

} // namespace kv::printlib
