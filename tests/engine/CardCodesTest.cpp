// The rank letters and rank bits of deal text and of the solver's holdings:
// each rank at both ends of its range, letters that are no rank, and a rank
// out of range, which must assert rather than become another card.
#include "engine/CardCodes.h"

#include <gtest/gtest.h>

#include <string>

using namespace kv;

namespace {

struct TRankRow {
    const char* Name;
    int Rank;
    char Letter;
    std::uint16_t Bit;
};

const TRankRow kRankRows[] = {
    {"Two", 2, '2', 0x0004},  {"Three", 3, '3', 0x0008}, {"Nine", 9, '9', 0x0200},
    {"Ten", 10, 'T', 0x0400}, {"Jack", 11, 'J', 0x0800}, {"King", 13, 'K', 0x2000},
    {"Ace", 14, 'A', 0x4000},
};

class RankCodes : public ::testing::TestWithParam<TRankRow> {};

TEST_P(RankCodes, LetterAndBitBothWays) {
    const TRankRow& row = GetParam();
    EXPECT_TRUE(IsRank(row.Rank));
    EXPECT_EQ(RankLetter(row.Rank), row.Letter);
    EXPECT_EQ(RankOfLetter(row.Letter), row.Rank);
    EXPECT_EQ(RankBit(row.Rank), row.Bit);
}

INSTANTIATE_TEST_SUITE_P(CardCodes, RankCodes, ::testing::ValuesIn(kRankRows),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TNotARankRow {
    const char* Name;
    char Letter;
};

const TNotARankRow kNotARankRows[] = {
    {"One", '1'},          {"Zero", '0'},    {"LowerCaseTen", 't'},
    {"LowerCaseAce", 'a'}, {"LetterB", 'B'}, {"Blank", ' '},
    {"FullStop", '.'},     {"Nul", '\0'},    {"High", '\xC1'},
};

class NotARankLetter : public ::testing::TestWithParam<TNotARankRow> {};

TEST_P(NotARankLetter, IsRankZero) {
    EXPECT_EQ(RankOfLetter(GetParam().Letter), 0);
}

INSTANTIATE_TEST_SUITE_P(CardCodes, NotARankLetter, ::testing::ValuesIn(kNotARankRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(CardCodes, RanksAndSuitsEndWhereTheirRangesEnd) {
    EXPECT_FALSE(IsRank(1));
    EXPECT_TRUE(IsRank(2));
    EXPECT_TRUE(IsRank(14));
    EXPECT_FALSE(IsRank(15));
    EXPECT_FALSE(IsSuitNumber(-1));
    EXPECT_TRUE(IsSuitNumber(0));
    EXPECT_TRUE(IsSuitNumber(3));
    EXPECT_FALSE(IsSuitNumber(4));
}

TEST(CardCodes, EveryRankHasItsOwnLetterAndBit) {
    std::uint32_t bits = 0;
    for (int rank = 2; rank <= 14; ++rank) {
        EXPECT_EQ(RankOfLetter(RankLetter(rank)), rank);
        EXPECT_EQ(bits & RankBit(rank), 0u) << rank;
        bits |= RankBit(rank);
    }
    EXPECT_EQ(bits, 0x7FFCu);
}

TEST(CardCodes, RankMaskHoldsTheCardsUpToCountOnly) {
    tSuit suit;
    suit.Cards = {14, 2, 10, 7, 99, 0, 0, 0, 0, 0, 0, 0, 0}; // 99 and on: no cards
    suit.Count = 4;
    EXPECT_EQ(RankMask(suit), RankBit(14) | RankBit(2) | RankBit(10) | RankBit(7));
    suit.Count = 0;
    EXPECT_EQ(RankMask(suit), 0);
    suit.Fill();
    EXPECT_EQ(RankMask(suit), 0x7FFC);
}

#ifndef NDEBUG
// Out of range, each on both sides: unchecked, such a rank reads past the
// letters or drops out of a holding without a word.
TEST(CardCodesDeathTest, ARankOutOfRangeAsserts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(RankLetter(1), "IsRank");
    EXPECT_DEATH(RankLetter(15), "IsRank");
    EXPECT_DEATH(RankBit(1), "IsRank");
    EXPECT_DEATH(RankBit(15), "IsRank");
    tSuit suit;
    suit.Cards[0] = 18;
    suit.Count = 1;
    EXPECT_DEATH(RankMask(suit), "IsRank");
    suit.Cards[0] = 1;
    EXPECT_DEATH(RankMask(suit), "IsRank");
}
#endif

} // namespace
