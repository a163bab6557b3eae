// Duplicate scores of undoubled contracts and the IMP scale, edge by edge.
#include "analysis/Scoring.h"

#include <gtest/gtest.h>

using namespace kv::analysis;

namespace {

struct TScoreRow {
    const char* Name;
    int Level, Strain, Tricks;
    bool Vulnerable;
    int Score;
};

const TScoreRow kScores[] = {
    {"OneClubMade", 1, 4, 7, false, 70},
    {"TwoHeartsMade", 2, 2, 8, false, 110},
    {"OneNotrumpTwoOver", 1, 0, 9, false, 150},
    {"TwoNotrumpMade", 2, 0, 8, false, 120},
    {"ThreeNotrumpMade", 3, 0, 9, false, 400},
    {"ThreeNotrumpMadeVulnerable", 3, 0, 9, true, 600},
    {"ThreeNotrumpOneDown", 3, 0, 8, false, -50},
    {"ThreeNotrumpOneDownVulnerable", 3, 0, 8, true, -100},
    {"FourSpadesOneOver", 4, 1, 11, false, 450},
    {"FourDiamondsIsNoGame", 4, 3, 10, false, 130},
    {"FiveClubsIsGame", 5, 4, 11, false, 400},
    {"ThreeClubsTwoOver", 3, 4, 11, false, 150},
    {"SixSpadesVulnerable", 6, 1, 12, true, 1430},
    {"SixNotrump", 6, 0, 12, false, 990},
    {"SevenNotrumpVulnerable", 7, 0, 13, true, 2220},
    {"SevenSpades", 7, 1, 13, false, 1510},
    {"SevenSpadesFourDown", 7, 1, 9, false, -200},
    {"SevenNotrumpNoTrick", 7, 0, 0, true, -1300},
};

class ContractScores : public ::testing::TestWithParam<TScoreRow> {};

TEST_P(ContractScores, AsTheDuplicateTableGives) {
    const TScoreRow& r = GetParam();
    EXPECT_EQ(ContractScore(r.Level, r.Strain, r.Tricks, r.Vulnerable), r.Score);
}

INSTANTIATE_TEST_SUITE_P(Scoring, ContractScores, ::testing::ValuesIn(kScores),
                         [](const auto& info) { return std::string(info.param.Name); });

// Both ends of the bands, and the sign of a loss.
TEST(Scoring, ImpScaleAtTheEdgesOfItsBands) {
    const std::pair<int, int> rows[] = {
        {0, 0},     {10, 0},    {20, 1},    {40, 1},     {50, 2},    {80, 2},    {90, 3},
        {120, 3},   {130, 4},   {160, 4},   {170, 5},    {210, 5},   {220, 6},   {260, 6},
        {270, 7},   {310, 7},   {320, 8},   {360, 8},    {370, 9},   {420, 9},   {430, 10},
        {490, 10},  {500, 11},  {590, 11},  {600, 12},   {740, 12},  {750, 13},  {890, 13},
        {900, 14},  {1090, 14}, {1100, 15}, {1290, 15},  {1300, 16}, {1490, 16}, {1500, 17},
        {1740, 17}, {1750, 18}, {1990, 18}, {2000, 19},  {2240, 19}, {2250, 20}, {2490, 20},
        {2500, 21}, {2990, 21}, {3000, 22}, {3490, 22},  {3500, 23}, {3990, 23}, {4000, 24},
        {7600, 24}, {-50, -2},  {-10, 0},   {-4000, -24}};
    for (const auto& [difference, imps] : rows)
        EXPECT_EQ(Imps(difference), imps) << difference;
}

TEST(Scoring, TallyCountsWinsTiesAndImps) {
    TCompareTally t;
    t.Add(620, 600);  // +1 IMP
    t.Add(-100, 600); // -12 IMPs
    t.Add(420, 420);
    t.Add(650, 630);
    EXPECT_EQ(t.ABetter, 2);
    EXPECT_EQ(t.BBetter, 1);
    EXPECT_EQ(t.Equal, 1);
    EXPECT_EQ(t.ImpsForA, -10);
    EXPECT_DOUBLE_EQ(t.MeanImpsForA(), -2.5);
    EXPECT_DOUBLE_EQ(t.MatchpointShareOfA(), 2.5 / 4.0);
    EXPECT_DOUBLE_EQ(TCompareTally{}.MatchpointShareOfA(), 0.0);
}

} // namespace
