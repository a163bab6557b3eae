// Suits, hands and the pack: the primitives every deal is made of.
#include "engine/Cards.h"
#include "engine/PackDealer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kv;

namespace {
std::vector<int> Ranks(const tSuit& s) {
    std::vector<int> out;
    for (int i = 1; i <= s.Count; ++i)
        out.push_back(s.Card(i));
    return out;
}

tSuit SuitOf(std::initializer_list<std::uint8_t> ranks) {
    tSuit s;
    for (std::uint8_t r : ranks)
        s.Cards[s.Count++] = r;
    return s;
}
} // namespace

TEST(Suit, FillHoldsTwoToAceWithTenPoints) {
    tSuit s;
    s.Fill();
    EXPECT_EQ(s.Count, 13);
    EXPECT_EQ(Ranks(s), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(s.HCP(), 10);
}

TEST(Suit, RemoveFirst) {
    tSuit full;
    full.Fill();
    tSuit s = full;
    s.RemoveFirst(13);
    EXPECT_EQ(s.Count, 0);

    tSuit three = SuitOf({5, 6, 7});
    three.RemoveFirst(5);
    EXPECT_EQ(Ranks(three), (std::vector<int>{5, 6, 7}));
    three.RemoveFirst(0);
    EXPECT_EQ(Ranks(three), (std::vector<int>{5, 6, 7}));

    tSuit four = SuitOf({14, 3, 9, 11});
    four.RemoveFirst(2);
    EXPECT_EQ(Ranks(four), (std::vector<int>{9, 11}));
    EXPECT_EQ(four.Card(3), 9) << "positions above Count keep what they held";
}

TEST(Suit, ShuffleDrawsOnePerCard) {
    TRandomSource r;
    tSuit empty;
    empty.Shuffle(r);
    EXPECT_EQ(r.Draws(), 0u);
    tSuit one = SuitOf({12});
    one.Shuffle(r);
    EXPECT_EQ(r.Draws(), 1u);
    EXPECT_EQ(Ranks(one), (std::vector<int>{12}));
}

TEST(Hand, PickSuitFollowsLengths) {
    TRandomSource r;
    tHand spades;
    spades.Spades.Fill();
    tHand hearts;
    hearts.Hearts.Fill();
    for (int i = 0; i < 50; ++i) {
        spades.PickSuit(r);
        EXPECT_EQ(spades.PickedSuit(), &spades.Spades);
        hearts.PickSuit(r);
        EXPECT_EQ(hearts.PickedSuit(), &hearts.Hearts);
    }
    EXPECT_EQ(r.Draws(), 100u);
}

TEST(Hand, AllTopHonoursAreThirtySevenPoints) {
    tHand h;
    h.Spades = SuitOf({14, 13, 12, 11});
    h.Hearts = SuitOf({14, 13, 12});
    h.Diamonds = SuitOf({14, 13, 12});
    h.Clubs = SuitOf({14, 13, 12});
    EXPECT_EQ(h.HCP(), 37);
}

TEST(Hand, AssignCopiesEveryPositionButNotThePick) {
    TRandomSource r;
    tHand a;
    a.Spades.Fill();
    a.Spades.RemoveFirst(4);
    a.PickSuit(r);
    tHand b;
    b.Assign(a);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.Spades.Cards, a.Spades.Cards);
    EXPECT_EQ(b.PickedSuit(), nullptr);
}

TEST(Pack, ResetFromSeedZero) {
    TRandomSource random;
    random.RandomSeed = 0;
    TPackDealer dealer(random);
    dealer.ResetPack();
    const tHand& pack = dealer.Pack();
    EXPECT_EQ(Ranks(pack.Spades), (std::vector<int>{14, 12, 9, 6, 7, 11, 4, 5, 8, 10, 2, 13, 3}));
    EXPECT_EQ(Ranks(pack.Hearts), (std::vector<int>{3, 12, 4, 10, 14, 2, 6, 11, 7, 9, 13, 5, 8}));
    EXPECT_EQ(Ranks(pack.Diamonds), (std::vector<int>{8, 7, 12, 9, 2, 5, 10, 3, 4, 14, 11, 6, 13}));
    EXPECT_EQ(Ranks(pack.Clubs), (std::vector<int>{5, 4, 14, 8, 2, 9, 6, 13, 10, 11, 7, 12, 3}));
    EXPECT_EQ(static_cast<std::uint32_t>(random.RandomSeed), 0x34BE636Cu);
    EXPECT_EQ(random.Draws(), 52u);
    EXPECT_EQ(pack.HCP(), 40);
    EXPECT_EQ(pack.CardCount(), 52);
}
