// Properties of every deal over many seeds and types, the equivalence of the
// cached and literal pattern paths, and the frequency of types.
#include "EngineTestUtil.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <set>

using namespace kv;

namespace {

TTypeList VariedTypes() {
    TTypeList list;
    list.push_back(THandParam{});
    list.push_back(test::HcpType(20, 21, 0, 37));
    for (TRange r : kSuitRanges)
        list.back().Min(TSide::South, r) = 2, list.back().Max(TSide::South, r) = 5;
    list.push_back(test::HcpType(11, 15, 10, 12));
    list.back().SSpadeMin = 5, list.back().NSpadeMin = 4;
    list.push_back(test::HcpType(20, 22, 12, 15));
    list.push_back(test::HcpType(10, 37, 0, 37));
    list.back().SSpadeMin = 8, list.back().NHeartMin = 7;
    list.push_back(test::HcpType(22, 37, 0, 37));
    list.back().SSpadeMin = 7;
    // Removals: South's 7+ spades leave no room for North's 7+ spades.
    list.push_back(test::HcpType(0, 10, 0, 37));
    list.back().SSpadeMin = 6, list.back().NSpadeMin = 7, list.back().NHeartMin = 5;
    return list;
}

void ExpectValidDeal(const TFullDeal& deal, const THandParam& t) {
    std::set<int> cards;
    for (const tHand& hand : deal.Hands) {
        const tHand* h = &hand;
        ASSERT_EQ(h->CardCount(), 13);
        for (int s = 0; s < 4; ++s)
            for (int p = 1; p <= h->Suit(s).Count; ++p)
                cards.insert(s * 100 + h->Suit(s).Card(p));
    }
    EXPECT_EQ(cards.size(), 52u);
    const std::pair<TSide, const tHand*> sides[] = {{TSide::South, &deal.South()},
                                                    {TSide::North, &deal.North()}};
    for (auto [side, hand] : sides) {
        EXPECT_GE(hand->HCP(), t.Min(side, TRange::HCP));
        EXPECT_LE(hand->HCP(), t.Max(side, TRange::HCP));
        for (int s = 0; s < 4; ++s) {
            EXPECT_GE(hand->Suit(s).Count, t.Min(side, kSuitRanges[static_cast<std::size_t>(s)]));
            EXPECT_LE(hand->Suit(s).Count, t.Max(side, kSuitRanges[static_cast<std::size_t>(s)]));
        }
    }
}

} // namespace

TEST(GeneratorProperty, EveryDealIsCompleteAndWithinItsType) {
    const TTypeList varied = VariedTypes();
    for (std::size_t k = 0; k < varied.size(); ++k) {
        TDealEngine e;
        test::TRecordingHost host;
        e.Random().RandomSeed = static_cast<std::int32_t>(k * 7919);
        TTypeList types{varied[k]};
        for (int i = 0; i < 300; ++i) {
            const TDealOutcome dealt = GenerateDeal(e, types, host);
            ASSERT_TRUE(dealt.Dealt()) << "type " << k;
            ExpectValidDeal(dealt.Deal, types[dealt.Type]);
        }
    }
}

TEST(GeneratorProperty, CachedAndLiteralPathsMakeTheSameDeals) {
    TTypeList varied = VariedTypes();
    varied.push_back(varied[6]);
    varied.back().SHCPMin = 30; // also fails in AdjustHCP now and then
    for (std::uint32_t seed : {0u, 1u, 0xDEADBEEFu, 0x7FFFFFFFu, 0x80000000u}) {
        TDealEngine fast(TDealEngine::TPatternPath::Cached);
        TDealEngine literal(TDealEngine::TPatternPath::Literal);
        fast.Random().RandomSeed = literal.Random().RandomSeed = static_cast<std::int32_t>(seed);
        test::TRecordingHost fastHost, literalHost;
        TTypeList a = varied, b = varied;
        for (int i = 0; i < 400; ++i) {
            const TDealOutcome dealtA = GenerateDeal(fast, a, fastHost);
            const TDealOutcome dealtB = GenerateDeal(literal, b, literalHost);
            ASSERT_EQ(dealtA.Dealt(), dealtB.Dealt());
            ASSERT_EQ(fast.Random().RandomSeed, literal.Random().RandomSeed) << "call " << i;
            if (dealtA.Dealt()) {
                ASSERT_EQ(test::FullDealText(dealtA.Deal), test::FullDealText(dealtB.Deal));
            }
        }
        EXPECT_EQ(fastHost.Warnings, literalHost.Warnings);
    }
}

// A South pattern beside which North has no pattern is removed from the
// attempt's list at the cost of one more draw: 69 draws instead of 68 for a
// deal that needs no change of points.
TEST(GeneratorProperty, RemovalsHappenInTheEquivalenceTypes) {
    THandParam t = VariedTypes()[6];
    t.SHCPMax = 37; // no change of points: every extra draw is a removal
    TDealEngine literal(TDealEngine::TPatternPath::Literal);
    TTypeList types{t};
    int removals = 0;
    for (int i = 0; i < 200; ++i) {
        const std::uint64_t before = literal.Random().Draws();
        ASSERT_TRUE(literal.Deal(types).Dealt());
        removals += literal.Random().Draws() - before > 68;
    }
    EXPECT_GT(removals, 10);
}

TEST(GeneratorProperty, TypesAreChosenByFrequency) {
    THandParam rare, common;
    rare.Frequency = 1, common.Frequency = 3;
    rare.SSpadeMax = 6; // tell the types apart without changing how often they succeed much
    TTypeList types{rare, common};
    TDealEngine e;
    test::TRecordingHost host;
    int chosen[2] = {0, 0};
    const int calls = 20000;
    for (int i = 0; i < calls; ++i) {
        const TDealOutcome dealt = GenerateDeal(e, types, host);
        ASSERT_TRUE(dealt.Dealt());
        ++chosen[dealt.Type];
    }
    // Expected 5000 : 15000; the standard deviation is about 61.
    EXPECT_NEAR(chosen[0], calls / 4, 300);
    EXPECT_NEAR(chosen[1], calls * 3 / 4, 300);
}
