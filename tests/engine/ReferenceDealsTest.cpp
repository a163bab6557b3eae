// Reference deals: the complete output and draw counts for fixed seeds. Any
// change here breaks every user's shared seeds.
#include "EngineTestUtil.h"
#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace kv;

namespace {

struct TExpectedCall {
    const char* Deal;
    std::uint64_t Draws;
    std::uint32_t SeedAfter; // 0 when not pinned
};

void ExpectCalls(TDealEngine::TPatternPath path, TTypeList types,
                 std::initializer_list<TExpectedCall> calls) {
    TDealEngine e(path);
    test::TRecordingHost host;
    std::uint64_t before = 0;
    for (const TExpectedCall& c : calls) {
        const TDealOutcome dealt = GenerateDeal(e, types, host);
        ASSERT_TRUE(dealt.Dealt());
        EXPECT_EQ(test::ShortDealText(dealt.Deal), c.Deal);
        EXPECT_EQ(e.Random().Draws() - before, c.Draws);
        if (c.SeedAfter != 0) {
            EXPECT_EQ(static_cast<std::uint32_t>(e.Random().RandomSeed), c.SeedAfter);
        }
        before = e.Random().Draws();
    }
    EXPECT_TRUE(host.Warnings.empty());
}

} // namespace

class ReferenceDeals : public ::testing::TestWithParam<TDealEngine::TPatternPath> {};

TEST_P(ReferenceDeals, DefaultTypeFromSeedZero) {
    ExpectCalls(
        GetParam(), {THandParam{}},
        {{"N:A9873.87432.KQ9. 52.QJ.A7542.KT62 K.KT6.J863.Q8543 QJT64.A95.T.AJ97", 68, 0xAF51445C},
         {"N:AQT85.AQ3.52.A87 K932.62.AKQT7.64 .KJ975.J83.KQT53 J764.T84.964.J92", 68, 0xBD92CCF8},
         {"N:872.K5.Q932.T852 QJ96.A863.T4.QJ4 KT54.Q72.A875.A3 A3.JT94.KJ6.K976", 68,
          0x2F46B5D4}});
}

TEST_P(ReferenceDeals, StrongSouthWeakNorthFromSeedZero) {
    ExpectCalls(
        GetParam(), {test::HcpType(20, 22, 0, 5)},
        {{"N:Q8432.Q8752.954. J76.K43.AJT2.752 A.AT6.K863.AKQ83 KT95.J9.Q7.JT964", 148, 0},
         {"N:6.QJ764.986.JT32 42.8.JT75432.985 AKQJ.KT5.Q.KQ764 T98753.A932.AK.A", 194, 0}});
}

INSTANTIATE_TEST_SUITE_P(BothPatternPaths, ReferenceDeals,
                         ::testing::Values(TDealEngine::TPatternPath::Cached,
                                           TDealEngine::TPatternPath::Literal));

// A determinism signature: a hash of many deal texts over a varied type list.
// A change that moves it changes what users' seeds produce and must say why.
TEST(DeterminismSignature, FiveHundredDealsHashTheSame) {
    TTypeList types{test::HcpType(12, 14, 6, 9), test::HcpType(0, 37, 0, 37)};
    types[0].SSpadeMin = 5, types[0].NSpadeMin = 3;
    types[1].Frequency = 35;
    TDealEngine e;
    test::TRecordingHost host;
    e.Random().RandomSeed = 0x1234ABCD;
    std::uint64_t hash = 1469598103934665603ull;
    for (int i = 0; i < 500; ++i) {
        const TDealOutcome dealt = GenerateDeal(e, types, host);
        ASSERT_TRUE(dealt.Dealt());
        for (char ch : test::FullDealText(dealt.Deal))
            hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
    }
    EXPECT_EQ(hash, 8327459800379533057ull) << std::hex << "seed after: " << e.Random().RandomSeed;
}
