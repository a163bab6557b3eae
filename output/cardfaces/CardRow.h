#pragma once
// The order in which the hands window lays out the 13 cards of one hand.

#include "engine/Cards.h"
#include "output/cardfaces/CardIndex.h"

#include <vector>

namespace kv {

// The suits (numbered as tHand::Suit numbers them, CardCodes.h) in display
// order. By suit rank: spades, hearts, diamonds, clubs. In alternate colours,
// chosen for the hand so that black and red alternate as far as it allows:
// without hearts spades, diamonds, clubs; else without clubs hearts, spades,
// diamonds; else spades, hearts, clubs, diamonds.
std::vector<int> DisplaySuitOrder(const tHand& hand, bool sortSuitsByRank);

// The card indices of the hand in display order: suits as above, and within a
// suit the ace first, then king, queen and down to the two.
std::vector<int> CardRow(const tHand& hand, bool sortSuitsByRank);

} // namespace kv
