// The hand types as the captions of saved charts describe them: only the
// bounds that narrow the whole range, each edge on both sides.
#include "analysis/SummaryText.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;

namespace {

struct TDescriptionRow {
    const char* Name;
    void (*Set)(THandParam&);
    const char* Expected;
};

class TypeDescriptions : public ::testing::TestWithParam<TDescriptionRow> {};

TEST_P(TypeDescriptions, NameTheBoundsThatNarrow) {
    THandParam type;
    GetParam().Set(type);
    EXPECT_EQ(TypeDescription(type), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypeDescriptions,
    ::testing::Values(
        TDescriptionRow{"Any", [](THandParam&) {}, "South and North any"},
        TDescriptionRow{"SouthPointsRange", [](THandParam& t) { t.SHCPMin = 15, t.SHCPMax = 17; },
                        "South 15-17 HCP; North any"},
        TDescriptionRow{"MinimumOnly", [](THandParam& t) { t.SHCPMin = 12; },
                        "South 12+ HCP; North any"},
        TDescriptionRow{"MaximumBelowTop", [](THandParam& t) { t.NHCPMax = 36; },
                        "South any; North 0-36 HCP"},
        TDescriptionRow{"ExactLength", [](THandParam& t) { t.NHeartMin = t.NHeartMax = 4; },
                        "South any; North 4 hearts"},
        TDescriptionRow{"FullSuitRange", [](THandParam& t) { t.SClubMin = 0, t.SClubMax = 13; },
                        "South and North any"},
        TDescriptionRow{"SuitsInOrder",
                        [](THandParam& t) { t.SSpadeMin = 5, t.SDiamondMax = 2, t.NSpadeMin = 3; },
                        "South 5+ spades, 0-2 diamonds; North 3+ spades"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TypesText, OneLinePerTypeWithItsRequestedShare) {
    TSummaryKey key;
    key.Types = {THandParam{}, THandParam{}};
    key.Types[0].Frequency = 300;
    key.Types[1].SHCPMin = 20;
    EXPECT_EQ(TypesText(key), "Type 1, 75.0%: South and North any\n"
                              "Type 2, 25.0%: South 20+ HCP; North any\n");
}

} // namespace
