#include "output/cardfaces/CardRow.h"

#include <algorithm>
#include <functional>

namespace kv {

std::vector<int> DisplaySuitOrder(const tHand& hand, bool sortSuitsByRank) {
    if (sortSuitsByRank) return {kSpadeSuit, kHeartSuit, kDiamondSuit, kClubSuit};
    if (hand.Hearts.Count == 0) return {kSpadeSuit, kDiamondSuit, kClubSuit};
    if (hand.Clubs.Count == 0) return {kHeartSuit, kSpadeSuit, kDiamondSuit};
    return {kSpadeSuit, kHeartSuit, kClubSuit, kDiamondSuit};
}

std::vector<int> CardRow(const tHand& hand, bool sortSuitsByRank) {
    std::vector<int> row;
    row.reserve(13);
    for (const int suit : DisplaySuitOrder(hand, sortSuitsByRank)) {
        const tSuit& cards = hand.Suit(suit);
        std::vector<std::uint8_t> ranks(cards.Cards.begin(), cards.Cards.begin() + cards.Count);
        std::sort(ranks.begin(), ranks.end(), std::greater<>()); // the ace (14) first
        for (const std::uint8_t rank : ranks)
            row.push_back(CardIndexOf(suit, rank));
    }
    return row;
}

} // namespace kv
