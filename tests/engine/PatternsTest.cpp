// The pattern table, the weights and the weighted draw.
#include "engine/Patterns.h"
#include "engine/PatternCache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace kv;

namespace {
THandParam SouthSuits(int sMin, int sMax, int hMin, int hMax, int dMin, int dMax, int cMin,
                      int cMax) {
    THandParam t;
    t.SSpadeMin = sMin, t.SSpadeMax = sMax, t.SHeartMin = hMin, t.SHeartMax = hMax;
    t.SDiamondMin = dMin, t.SDiamondMax = dMax, t.SClubMin = cMin, t.SClubMax = cMax;
    return t;
}
} // namespace

TEST(PatternTable, HoldsAll560DistinctPatternsInAscendingOrder) {
    const auto& table = PatternTable();
    EXPECT_TRUE(std::is_sorted(table.begin(), table.end()));
    EXPECT_EQ(std::set<std::uint16_t>(table.begin(), table.end()).size(), 560u);
    for (std::uint16_t p : table)
        EXPECT_EQ(SpadeCount(p) + HeartCount(p) + DiamondCount(p) + ClubCount(p), 13);
    EXPECT_EQ(table[0], MakePattern(0, 0, 0, 13));
    EXPECT_EQ(table[0], 13);
    EXPECT_EQ(table[1], MakePattern(0, 0, 1, 12));
    EXPECT_EQ(table[2], MakePattern(0, 0, 2, 11));
    EXPECT_EQ(table[558], MakePattern(12, 1, 0, 0));
    EXPECT_EQ(table[559], 53248);
}

TEST(Binomial, ExactSmallValues) {
    EXPECT_EQ(Binomial(13, 4), TExtended(715));
    EXPECT_EQ(Binomial(13, 13), TExtended(1));
    EXPECT_EQ(Binomial(13, 0), TExtended(1));
    EXPECT_EQ(Binomial(5, 6), TExtended(0));
    EXPECT_EQ(Binomial(13, 6), TExtended(1716));
}

TEST(SouthPatterns, UnconstrainedListsAllWithWeightsSummingToOne) {
    TDistList list;
    BuildSouthPatterns(THandParam{}, list);
    ASSERT_EQ(list.size(), 560u);
    TExtended sum = 0;
    TExtended largest = 0;
    for (const TDist& d : list) {
        EXPECT_GT(d.Weight, 0);
        sum += d.Weight;
        largest = std::max(largest, d.Weight);
    }
    EXPECT_NEAR(sum.ToDouble(), 1.0, 1e-15);
    const auto it = std::find_if(list.begin(), list.end(), [](const TDist& d) {
        return d.Pattern == MakePattern(4, 3, 3, 3);
    });
    ASSERT_NE(it, list.end());
    EXPECT_EQ(it->Weight, largest);
    EXPECT_NEAR(it->Weight.ToDouble(), 0.0263, 0.00005);
    // 715 * 286 * 286 * 286 / C(52,13), evaluated clubs first in 80 bits.
    EXPECT_EQ(it->Weight, TExtended(286) * TExtended(286) * TExtended(286) * TExtended(715) /
                              TExtended(635013559600));
}

TEST(SouthPatterns, FixedSuitsGiveOneEntryAndDrawZero) {
    TDistList list;
    BuildSouthPatterns(SouthSuits(4, 4, 3, 3, 3, 3, 3, 3), list);
    ASSERT_EQ(list.size(), 1u);
    TRandomSource r;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(ChoosePattern(list, r), 0);
}

TEST(SouthPatterns, ImpossibleSumsListNothing) {
    TDistList list;
    BuildSouthPatterns(SouthSuits(0, 3, 0, 3, 0, 3, 0, 3), list); // maxima add to 12
    EXPECT_TRUE(list.empty());
    BuildSouthPatterns(SouthSuits(4, 13, 4, 13, 4, 13, 2, 13), list); // minima add to 14
    EXPECT_TRUE(list.empty());
}

TEST(NorthPatterns, FollowWhatSouthLeaves) {
    THandParam t;
    TDistList north;
    BuildNorthPatterns(t, TDist{MakePattern(13, 0, 0, 0), 0}, north);
    ASSERT_FALSE(north.empty());
    for (const TDist& d : north)
        EXPECT_EQ(d.SpadeCount(), 0);

    t.NSpadeMax = 5, t.NHeartMax = 5, t.NDiamondMax = 5, t.NClubMax = 0;
    BuildNorthPatterns(t, TDist{MakePattern(11, 1, 1, 0), 0}, north);
    EXPECT_TRUE(north.empty());
}

TEST(NorthPatterns, SixSpadesBesideSevenButNotEight) {
    THandParam t;
    t.NSpadeMin = 6, t.NSpadeMax = 6, t.NHeartMin = 7, t.NHeartMax = 7;
    TDistList north;
    BuildNorthPatterns(t, TDist{MakePattern(7, 2, 2, 2), 0}, north);
    ASSERT_EQ(north.size(), 1u);
    EXPECT_EQ(north[0].Weight, Binomial(11, 0) * Binomial(11, 0) * Binomial(11, 7) *
                                   Binomial(6, 6) / TExtended(635013559600));
    BuildNorthPatterns(t, TDist{MakePattern(8, 1, 2, 2), 0}, north);
    EXPECT_TRUE(north.empty());
}

TEST(WeightedDraw, ZeroFractionTakesFirstEntry) {
    TDistList list;
    BuildSouthPatterns(THandParam{}, list);
    TRandomSource r;
    // Seed whose next step is 0: s * 134775813 + 1 == 0 (mod 2^32).
    std::uint32_t inverse = 1;
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - 134775813u * inverse;
    r.RandomSeed = static_cast<std::int32_t>(0xFFFFFFFFu * inverse);
    EXPECT_EQ(ChoosePattern(list, r), 0);
    EXPECT_EQ(r.RandomSeed, 0);
}

TEST(WeightedDraw, CachedRunningTotalsDrawLikeTheLiteralLoop) {
    THandParam t;
    t.SSpadeMin = 3, t.SHeartMax = 5;
    TDistList list;
    BuildSouthPatterns(t, list);
    TTypePatterns cached(t);
    ASSERT_EQ(cached.South().Size(), list.size());
    TRandomSource a, b;
    a.RandomSeed = b.RandomSeed = 12345;
    for (int i = 0; i < 20000; ++i)
        ASSERT_EQ(ChoosePattern(list, a), cached.South().Draw(b));
}
