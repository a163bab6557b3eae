// The display order of a hand: suit orders for every kind of void, and the
// cards of a suit from the ace down.
#include "output/cardfaces/CardRow.h"

#include <gtest/gtest.h>

#include <string>

using namespace kv;

namespace {

std::uint8_t RankOf(char c) {
    return static_cast<std::uint8_t>(RankOfLetter(c));
}

// Holdings in dealing order, spades first, as the engine leaves them.
tHand Hand(const std::string& s, const std::string& h, const std::string& d, const std::string& c) {
    tHand hand;
    const std::string* holdings[4] = {&s, &h, &d, &c};
    for (int i = 0; i < 4; ++i) {
        tSuit& suit = hand.Suit(i);
        suit.Count = static_cast<std::uint8_t>(holdings[i]->size());
        for (std::size_t p = 0; p < holdings[i]->size(); ++p)
            suit.Cards[p] = RankOf((*holdings[i])[p]);
    }
    return hand;
}

// The suits whose cards the row shows, in order.
std::vector<int> ShownSuits(const tHand& hand, bool byRank) {
    std::vector<int> suits;
    for (const int suit : DisplaySuitOrder(hand, byRank))
        if (hand.Suit(suit).Count > 0) suits.push_back(suit);
    return suits;
}

const int S = kSpadeSuit, H = kHeartSuit, D = kDiamondSuit, C = kClubSuit;

} // namespace

TEST(CardRow, AllFourSuitsAlternateOrByRank) {
    const tHand hand = Hand("A2", "K3", "Q4J", "5678");
    EXPECT_EQ(ShownSuits(hand, false), (std::vector<int>{S, H, C, D}));
    EXPECT_EQ(ShownSuits(hand, true), (std::vector<int>{S, H, D, C}));
}

TEST(CardRow, VoidInHeartsShowsSpadesDiamondsClubs) {
    EXPECT_EQ(ShownSuits(Hand("AKQJ", "", "T98", "765432"), false), (std::vector<int>{S, D, C}));
}

TEST(CardRow, VoidInClubsButNotHeartsShowsHeartsSpadesDiamonds) {
    EXPECT_EQ(ShownSuits(Hand("AKQJ", "T98", "765432", ""), false), (std::vector<int>{H, S, D}));
}

TEST(CardRow, VoidInHeartsAndClubsShowsSpadesDiamonds) {
    EXPECT_EQ(ShownSuits(Hand("AKQJT98", "", "765432", ""), false), (std::vector<int>{S, D}));
}

TEST(CardRow, VoidInSpadesWithHeartsAndClubsShowsHeartsClubsDiamonds) {
    EXPECT_EQ(ShownSuits(Hand("", "AKQJ", "T98", "765432"), false), (std::vector<int>{H, C, D}));
}

TEST(CardRow, AceKingTwoIsLaidOutAceKingTwo) {
    const tHand hand = Hand("2KA", "", "", "");
    EXPECT_EQ(CardRow(hand, false), (std::vector<int>{40, 52, 41}));
    EXPECT_EQ(CardRow(hand, true), (std::vector<int>{40, 52, 41}));
}

TEST(CardRow, WholeHandRunsFromTheAceDownInEachSuit) {
    // Dealt order is random; the row is not.
    const tHand hand = Hand("5T", "3QA9", "J", "K2T46A");
    EXPECT_EQ(CardRow(hand, true),
              (std::vector<int>{49, 44, 27, 38, 35, 29, 24, 1, 13, 10, 6, 4, 2}));
    EXPECT_EQ(CardRow(hand, false),
              (std::vector<int>{49, 44, 27, 38, 35, 29, 1, 13, 10, 6, 4, 2, 24}));
}

TEST(CardRow, PositionsAboveCountAreNotCards) {
    tHand hand = Hand("AK", "", "", "");
    hand.Spades.Cards[2] = 7; // left over from an earlier deal
    EXPECT_EQ(CardRow(hand, true), (std::vector<int>{40, 52}));
}
