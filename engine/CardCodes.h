#pragma once
// The one place where a card's rank and suit turn into other codes: the rank
// letters of deal text ("23456789TJQKA") and the rank bits of a holding mask
// (bit r for rank r, as the double-dummy solver takes them). A rank is 2..14,
// a suit number 0..3 in the order of tHand::Suit. A value out of its range is
// a programming error: it asserts in a debug build instead of quietly
// becoming another card.

#include "engine/Cards.h"

#include <cassert>
#include <cstdint>
#include <string_view>

namespace kv {

inline constexpr int kSpadeSuit = 0, kHeartSuit = 1, kDiamondSuit = 2, kClubSuit = 3;
inline constexpr int kLowestRank = 2, kTen = 10;

constexpr bool IsRank(int rank) {
    return rank >= kLowestRank && rank <= kAce;
}
constexpr bool IsSuitNumber(int suit) {
    return suit >= kSpadeSuit && suit <= kClubSuit;
}

// The rank letters, lowest first: "T" is the ten.
inline constexpr std::string_view kRankLetters = "23456789TJQKA";

constexpr char RankLetter(int rank) {
    assert(IsRank(rank));
    return kRankLetters[static_cast<std::size_t>(rank - kLowestRank)];
}

// The rank a letter of kRankLetters stands for; 0 for any other character
// (lower case included: callers that accept it say so).
constexpr int RankOfLetter(char letter) {
    const std::size_t at = kRankLetters.find(letter);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + kLowestRank;
}

// The bit of a rank in a holding mask.
constexpr std::uint16_t RankBit(int rank) {
    assert(IsRank(rank));
    return static_cast<std::uint16_t>(1u << rank);
}

// The ranks a suit holds as a mask of RankBit. All 13 positions are looked at,
// held or not, so that the loop has no exit to mispredict; those above Count
// add nothing, whatever they still hold.
constexpr std::uint16_t RankMask(const tSuit& suit) {
    std::uint32_t held = 0;
    for (std::size_t i = 0; i < suit.Cards.size(); ++i) {
        assert(i >= suit.Count || IsRank(suit.Cards[i]));
        held |= std::uint32_t{i < suit.Count} << (suit.Cards[i] & 31u);
    }
    return static_cast<std::uint16_t>(held);
}

} // namespace kv
