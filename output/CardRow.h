#pragma once
// The order in which the hands window lays out the 13 cards of one hand.

#include "Cards.h"

#include <cstdint>
#include <vector>

namespace kv {

// Suits are numbered as tHand::Suit numbers them: 0 spades, 1 hearts,
// 2 diamonds, 3 clubs.
inline constexpr int kSpadeSuit = 0, kHeartSuit = 1, kDiamondSuit = 2, kClubSuit = 3;

// The suits in display order. By suit rank: spades, hearts, diamonds, clubs.
// In alternate colours, chosen for the hand so that black and red alternate as
// far as it allows: without hearts spades, diamonds, clubs; else without clubs
// hearts, spades, diamonds; else spades, hearts, clubs, diamonds.
std::vector<int> DisplaySuitOrder(const tHand& hand, bool sortSuitsByRank);

// The card index (1..52) of a card of rank 2..14 in a suit numbered as above.
int CardIndexOf(int suit, std::uint8_t rank);

// The card indices of the hand in display order: suits as above, and within a
// suit the ace first, then king, queen and down to the two.
std::vector<int> CardRow(const tHand& hand, bool sortSuitsByRank);

} // namespace kv
