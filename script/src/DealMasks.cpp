#include "script/DealMasks.h"

namespace kv::script {

TDealMasks MasksOf(const TFullDeal& deal) {
    TDealMasks masks;
    for (int seat = 0; seat < kSeats; ++seat) {
        const tHand& hand = deal.Hands[static_cast<std::size_t>(seat)];
        for (int suit = 0; suit < kSuits; ++suit) {
            const tSuit& cards = hand.Suit(suit);
            for (int i = 1; i <= cards.Count; ++i)
                masks.Hands[static_cast<std::size_t>(seat)] |= CardBit(suit, cards.Card(i));
        }
    }
    return masks;
}

TFullDeal FullDealOf(const TDealMasks& masks) {
    TFullDeal deal;
    for (int seat = 0; seat < kSeats; ++seat) {
        tHand& hand = deal.Hands[static_cast<std::size_t>(seat)];
        for (int suit = 0; suit < kSuits; ++suit) {
            tSuit& cards = hand.Suit(suit);
            const unsigned holding = Holding(masks.Hands[static_cast<std::size_t>(seat)], suit);
            for (int rank = 14; rank >= 2; --rank)
                if (holding & (1u << (rank - 2)))
                    cards.Cards[cards.Count++] = static_cast<std::uint8_t>(rank);
        }
    }
    return deal;
}

} // namespace kv::script
