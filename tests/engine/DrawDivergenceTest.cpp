// Draws where the 80-bit rounding decides: 64-bit double arithmetic, or exact
// rational arithmetic, would pick another pattern. Most lie at a tie, a seed
// whose fraction of the sum is exactly a running total; one is not a tie. A
// port that slipped to either arithmetic would fail here. The rows were
// found by draw_divergence_search.
#include "DrawReferences.h"
#include "engine/PatternCache.h"

#include <gtest/gtest.h>

#include <array>

using namespace kv;

namespace {

struct TDivergence {
    const char* Name;
    TSide Side;                  // whose list: South's, or North's beside `South`
    std::uint16_t South;         // South's pattern for a North list
    std::array<int, 8> Bounds;   // the side's spade, heart, diamond, club min and max
    std::uint32_t Seed;          // the seed that RandomFraction makes
    int Extended, Double, Exact; // the entry each arithmetic draws
};

void PrintTo(const TDivergence& d, std::ostream* out) {
    *out << d.Name;
}

THandParam TypeOf(const TDivergence& d) {
    THandParam t;
    for (std::size_t suit = 0; suit < 4; ++suit) {
        t.Min(d.Side, kSuitRanges[suit]) = static_cast<std::uint8_t>(d.Bounds[2 * suit]);
        t.Max(d.Side, kSuitRanges[suit]) = static_cast<std::uint8_t>(d.Bounds[2 * suit + 1]);
    }
    return t;
}

// A source whose next RandomFraction comes from `seed`.
TRandomSource SourceBefore(std::uint32_t seed) {
    std::uint32_t inverse = 1; // of the multiplier 134775813, modulo 2^32
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - 134775813u * inverse;
    TRandomSource r;
    r.RandomSeed = static_cast<std::int32_t>((seed - 1u) * inverse);
    return r;
}

class DrawDivergence : public ::testing::TestWithParam<TDivergence> {};

TEST_P(DrawDivergence, EightyBitsDecideOnBothPaths) {
    const TDivergence& d = GetParam();
    const THandParam type = TypeOf(d);
    TDistList list;
    if (d.Side == TSide::South)
        BuildSouthPatterns(type, list);
    else
        BuildNorthPatterns(type, TDist{d.South, 0}, list);

    TRandomSource literal = SourceBefore(d.Seed);
    EXPECT_EQ(ChoosePattern(list, literal), d.Extended);
    EXPECT_EQ(static_cast<std::uint32_t>(literal.RandomSeed), d.Seed);

    TTypePatterns cached(type);
    const TWeightedPatterns& weighted =
        d.Side == TSide::South ? cached.South() : cached.NorthBeside(d.South);
    TRandomSource fromCache = SourceBefore(d.Seed);
    EXPECT_EQ(weighted.Draw(fromCache), d.Extended);

    // What the other arithmetics draw here, so that the row stays a divergence.
    const auto counts = test::HandCounts(list, d.Side == TSide::South ? 0 : d.South);
    EXPECT_EQ(test::DoubleDraw(counts, d.Seed), d.Double);
    EXPECT_EQ(test::ExactDraw(counts, d.Seed), d.Exact);
}

// For each running total of a cached list, its threshold is the least seed
// whose draw product exceeds the total: checked on both sides.
void ExpectLeastSeedsAboveTotals(const TWeightedPatterns& list) {
    TExtended sum;
    for (std::size_t i = 0; i < list.Size(); ++i)
        sum = sum + list.Weight(i);
    const auto product = [&](std::uint64_t s) { return TExtended(s) * kTwoToMinus32 * sum; };
    TExtended total;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        total = total + list.Weight(i);
        const std::uint64_t s = DrawThreshold(total, sum);
        ASSERT_LE(s, std::uint64_t{1} << 32) << i;
        if (s < (std::uint64_t{1} << 32)) {
            ASSERT_GT(product(s), total) << i;
        }
        if (s > 0) {
            ASSERT_LE(product(s - 1), total) << i;
        }
    }
}

TEST_P(DrawDivergence, ThresholdsAreTheLeastSeedsAboveEachTotal) {
    const TDivergence& d = GetParam();
    TTypePatterns cached(TypeOf(d));
    ExpectLeastSeedsAboveTotals(d.Side == TSide::South ? cached.South()
                                                       : cached.NorthBeside(d.South));
}

// The same for the South list of every bound on one suit, and North's lists
// beside a few of its patterns.
TEST(DrawThreshold, IsTheLeastSeedAboveEachTotalInOneSuitLists) {
    for (TRange suit : kSuitRanges)
        for (int lo = 0; lo <= 13; ++lo)
            for (int hi = lo; hi <= 13; ++hi) {
                THandParam t;
                t.Min(TSide::South, suit) = static_cast<std::uint8_t>(lo);
                t.Max(TSide::South, suit) = static_cast<std::uint8_t>(hi);
                t.Min(TSide::North, suit) = static_cast<std::uint8_t>(13 - hi);
                TTypePatterns cached(t);
                ExpectLeastSeedsAboveTotals(cached.South());
                ExpectLeastSeedsAboveTotals(cached.NorthBeside(cached.South().Code(0)));
                if (HasFatalFailure()) return;
            }
}

INSTANTIATE_TEST_SUITE_P(SearchedLists, DrawDivergence,
                         ::testing::Values(TDivergence{"SouthTieBothOthersTakeEarlier",
                                                       TSide::South,
                                                       0,
                                                       {5, 6, 0, 13, 0, 13, 0, 13},
                                                       0xC0000000,
                                                       45,
                                                       44,
                                                       44},
                                           TDivergence{"SouthTieDoubleTakesLater",
                                                       TSide::South,
                                                       0,
                                                       {7, 9, 0, 13, 0, 13, 0, 13},
                                                       0xE0000000,
                                                       27,
                                                       28,
                                                       27},
                                           TDivergence{"SouthTieExactTakesEarlier",
                                                       TSide::South,
                                                       0,
                                                       {2, 2, 2, 2, 0, 13, 0, 13},
                                                       0x80000000,
                                                       5,
                                                       5,
                                                       4},
                                           TDivergence{"SouthNoTieDoubleTakesEarlier",
                                                       TSide::South,
                                                       0,
                                                       {0, 13, 3, 8, 0, 7, 0, 13},
                                                       0xA52D6B7B,
                                                       149,
                                                       148,
                                                       149},
                                           TDivergence{"NorthTieBothOthersTakeEarlier",
                                                       TSide::North,
                                                       0x003A,
                                                       {4, 4, 0, 13, 0, 13, 0, 13},
                                                       0x80000000,
                                                       20,
                                                       19,
                                                       19},
                                           TDivergence{"NorthTieDoubleTakesLater",
                                                       TSide::North,
                                                       0x0076,
                                                       {2, 2, 0, 13, 0, 13, 0, 13},
                                                       0x80000000,
                                                       31,
                                                       32,
                                                       31},
                                           TDivergence{"NorthNoTieDoubleTakesEarlier",
                                                       TSide::North,
                                                       0x1516,
                                                       {0, 8, 0, 13, 0, 13, 0, 13},
                                                       0xFEECFE36,
                                                       419,
                                                       418,
                                                       419},
                                           TDivergence{"NorthDiamondsNoTieDoubleTakesEarlier",
                                                       TSide::North,
                                                       0x0436,
                                                       {0, 13, 0, 13, 1, 13, 0, 13},
                                                       0x04C87FD3,
                                                       139,
                                                       138,
                                                       139}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
