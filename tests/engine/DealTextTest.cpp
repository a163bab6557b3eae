// Deal text: the one-line notation in which deals leave the program.
#include "output/dealtext/DealText.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {
tSuit SuitOf(std::initializer_list<std::uint8_t> ranks) {
    tSuit s;
    for (std::uint8_t r : ranks)
        s.Cards[s.Count++] = r;
    return s;
}
} // namespace

TEST(DealText, VoidsAndOrder) {
    tHand noClubs;
    noClubs.Spades = SuitOf({10, 14, 11, 13, 12});
    noClubs.Hearts = SuitOf({5, 9, 6, 8, 7});
    noClubs.Diamonds = SuitOf({2, 4, 3});
    EXPECT_EQ(HandText(noClubs), "AKQJT.98765.432.");
    EXPECT_EQ(HoldingText(noClubs.Spades, "10"), "AKQJ10");

    tHand noHearts;
    noHearts.Spades = SuitOf({14});
    noHearts.Diamonds = SuitOf({3, 2, 4, 5, 6, 7});
    noHearts.Clubs = SuitOf({8, 9, 10, 11, 12, 13});
    EXPECT_EQ(HandText(noHearts), "A..765432.KQJT98");
}

TEST(DealText, AlwaysSeventyEightCharacters) {
    tHand n, e, s, w;
    for (int suit = 0; suit < 4; ++suit)
        n.Suit(suit).Fill(); // an impossible hand, but every card
    const std::string text = DealText(n, e, s, w);
    EXPECT_EQ(text,
              "[Deal \"N:AKQJT98765432.AKQJT98765432.AKQJT98765432.AKQJT98765432 ... ... ...\"]");
    EXPECT_EQ(text.size(), 78u);
}
