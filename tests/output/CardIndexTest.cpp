// The card index of the faces from the engine's suit and rank, and the suit
// base and rank number back from it: both ends of each range, and values out
// of range, which must assert rather than draw another card.
#include "output/cardfaces/CardIndex.h"
#include "output/cardfaces/src/SuitMasks.h"

#include <gtest/gtest.h>

#include <string>

using namespace kv;

namespace {

struct TCardRow {
    const char* Name;
    int Suit; // 0 spades .. 3 clubs
    int Rank; // 2..14
    int Index;
    int SuitBase;
    int RankNumber;
};

const TCardRow kCardRows[] = {
    {"AceOfClubs", kClubSuit, 14, 1, kClubsBase, 1},
    {"TwoOfClubs", kClubSuit, 2, 2, kClubsBase, 2},
    {"KingOfClubs", kClubSuit, 13, 13, kClubsBase, 13},
    {"AceOfDiamonds", kDiamondSuit, 14, 14, kDiamondsBase, 1},
    {"KingOfDiamonds", kDiamondSuit, 13, 26, kDiamondsBase, 13},
    {"AceOfHearts", kHeartSuit, 14, 27, kHeartsBase, 1},
    {"QueenOfHearts", kHeartSuit, 12, 38, kHeartsBase, 12},
    {"KingOfHearts", kHeartSuit, 13, 39, kHeartsBase, 13},
    {"AceOfSpades", kSpadeSuit, 14, 40, kSpadesBase, 1},
    {"TwoOfSpades", kSpadeSuit, 2, 41, kSpadesBase, 2},
    {"TenOfSpades", kSpadeSuit, 10, 49, kSpadesBase, 10},
    {"KingOfSpades", kSpadeSuit, 13, 52, kSpadesBase, 13},
};

class CardIndexRows : public ::testing::TestWithParam<TCardRow> {};

TEST_P(CardIndexRows, BothWays) {
    const TCardRow& row = GetParam();
    EXPECT_EQ(CardIndexOf(row.Suit, row.Rank), row.Index);
    EXPECT_EQ(SuitBaseOfSuit(row.Suit), row.SuitBase);
    EXPECT_EQ(SuitOfSuitBase(row.SuitBase), row.Suit);
    EXPECT_TRUE(IsCardIndex(row.Index));
    EXPECT_EQ(SuitBaseOf(row.Index), row.SuitBase);
    EXPECT_EQ(RankNumber(row.Index), row.RankNumber);
}

INSTANTIATE_TEST_SUITE_P(CardIndex, CardIndexRows, ::testing::ValuesIn(kCardRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CardIndex, IndicesEndAtOneAndFiftyTwo) {
    EXPECT_FALSE(IsCardIndex(0));
    EXPECT_TRUE(IsCardIndex(1));
    EXPECT_TRUE(IsCardIndex(52));
    EXPECT_FALSE(IsCardIndex(53));
}

TEST(CardIndex, EveryCardHasItsOwnIndex) {
    bool seen[kCardCount + 1] = {};
    for (int suit = kSpadeSuit; suit <= kClubSuit; ++suit)
        for (int rank = 2; rank <= 14; ++rank) {
            const int index = CardIndexOf(suit, rank);
            ASSERT_TRUE(IsCardIndex(index)) << suit << " " << rank;
            EXPECT_FALSE(seen[index]) << index;
            seen[index] = true;
        }
}

#ifndef NDEBUG
// Each range on both sides: unchecked, suit 4 was taken as spades and a club
// of rank 15 became the two of diamonds.
TEST(CardIndexDeathTest, ValuesOutOfRangeAssert) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(CardIndexOf(-1, 2), "IsSuitNumber");
    EXPECT_DEATH(CardIndexOf(4, 2), "IsSuitNumber");
    EXPECT_DEATH(CardIndexOf(kSpadeSuit, 1), "IsRank");
    EXPECT_DEATH(CardIndexOf(kSpadeSuit, 15), "IsRank");
    EXPECT_DEATH(RankNumber(0), "IsCardIndex");
    EXPECT_DEATH(RankNumber(53), "IsCardIndex");
    EXPECT_DEATH(SuitBaseOf(0), "IsCardIndex");
    EXPECT_DEATH(SuitBaseOf(53), "IsCardIndex");
    EXPECT_DEATH(SuitOfSuitBase(12), "IsSuitBase");
    EXPECT_DEATH(SuitOfSuitBase(52), "IsSuitBase");
    // Unchecked, any base but 0, 13 and 26 drew spades.
    EXPECT_DEATH(PipMask(40), "IsSuitBase");
    EXPECT_DEATH(PipMask(-13), "IsSuitBase");
    EXPECT_DEATH(SmallSuitMask(40), "IsSuitBase");
    EXPECT_DEATH(SmallSuitMask(-13), "IsSuitBase");
}
#endif

} // namespace
