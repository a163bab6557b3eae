#pragma once
// The card index of the card faces and its one conversion from the engine's
// cards. Card index: 1..52, clubs 1..13, diamonds 14..26, hearts 27..39,
// spades 40..52; in each block the ace first, then 2 up to the king. Within
// the faces a card is a suit base (0 clubs, 13 diamonds, 26 hearts,
// 39 spades) and a rank number (1 ace, 2..10, 11 jack, 12 queen, 13 king).
// A value out of its range asserts in a debug build instead of quietly
// becoming another card.

#include "engine/CardCodes.h"

#include <cassert>

namespace kv {

inline constexpr int kCardCount = 52;
inline constexpr int kClubsBase = 0, kDiamondsBase = 13, kHeartsBase = 26, kSpadesBase = 39;
inline constexpr int kAceRank = 1, kJackRank = 11, kQueenRank = 12, kKingRank = 13;

constexpr bool IsCardIndex(int index) {
    return index >= 1 && index <= kCardCount;
}
constexpr bool IsSuitBase(int suitBase) {
    return suitBase == kClubsBase || suitBase == kDiamondsBase || suitBase == kHeartsBase ||
           suitBase == kSpadesBase;
}

// 1 ace, 2..10, 11 jack, 12 queen, 13 king.
constexpr int RankNumber(int index) {
    assert(IsCardIndex(index));
    return (index - 1) % 13 + 1;
}
// 0 clubs, 13 diamonds, 26 hearts, 39 spades.
constexpr int SuitBaseOf(int index) {
    assert(IsCardIndex(index));
    return (index - 1) / 13 * 13;
}

// The suit base of a suit numbered 0 spades, 1 hearts, 2 diamonds, 3 clubs.
constexpr int SuitBaseOfSuit(int suit) {
    assert(IsSuitNumber(suit));
    return (kClubSuit - suit) * 13;
}
// The suit number (0 spades .. 3 clubs) of a suit base.
constexpr int SuitOfSuitBase(int suitBase) {
    assert(IsSuitBase(suitBase));
    return kClubSuit - suitBase / 13;
}

// The card index of the card of rank 2..14 in suit 0..3.
constexpr int CardIndexOf(int suit, int rank) {
    assert(IsRank(rank));
    return SuitBaseOfSuit(suit) + (rank == kAce ? kAceRank : rank);
}

} // namespace kv
