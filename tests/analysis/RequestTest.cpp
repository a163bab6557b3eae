// Requests as users type them: declarer and denomination lists, shards and
// contracts, read or refused with the exact message; faults of whole requests.
#include "AnalysisTestUtil.h"
#include "analysis/RequestText.h"
#include "analysis/src/AnalysisMessages.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;
using namespace kv::analysis::test;

namespace {

struct TListRow {
    const char* Name;
    const char* Text;
    const char* Error; // empty when read
};

class DeclarerLists : public ::testing::TestWithParam<TListRow> {};
class StrainLists : public ::testing::TestWithParam<TListRow> {};
class ShardTexts : public ::testing::TestWithParam<TListRow> {};
class ContractTexts : public ::testing::TestWithParam<TListRow> {};

TEST_P(DeclarerLists, ReadOrRefused) {
    EXPECT_EQ(ParseDeclarers(GetParam().Text).Error, GetParam().Error);
}
TEST_P(StrainLists, ReadOrRefused) {
    EXPECT_EQ(ParseStrains(GetParam().Text).Error, GetParam().Error);
}
TEST_P(ShardTexts, ReadOrRefused) {
    EXPECT_EQ(ParseShard(GetParam().Text).Error, GetParam().Error);
}
TEST_P(ContractTexts, ReadOrRefused) {
    EXPECT_EQ(ParseContract(GetParam().Text).Error, GetParam().Error);
}

const auto kName = [](const auto& info) { return std::string(info.param.Name); };

INSTANTIATE_TEST_SUITE_P(
    Request, DeclarerLists,
    ::testing::Values(TListRow{"All", "N,S,NS", ""}, TListRow{"LowerCase", "ns", ""},
                      TListRow{"Empty", "", "Choose at least one declarer."},
                      TListRow{"East", "N,E", "A declarer must be N, S or NS, not 'E'."},
                      TListRow{"EmptyItem", "N,,S", "A declarer must be N, S or NS, not ''."},
                      TListRow{"Blank", "N, S", "A declarer must be N, S or NS, not ' S'."},
                      TListRow{"Twice", "S,N,s", "A declarer is listed twice: 's'."}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Request, StrainLists,
    ::testing::Values(
        TListRow{"All", "NT,S,H,D,C", ""}, TListRow{"NForNotrump", "n,s", ""},
        TListRow{"Empty", "", "Choose at least one denomination."},
        TListRow{"Unknown", "NT,X", "A denomination must be NT, S, H, D or C, not 'X'."},
        TListRow{"Trailing", "NT,", "A denomination must be NT, S, H, D or C, not ''."},
        TListRow{"Twice", "NT,N", "A denomination is listed twice: 'N'."}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Request, ShardTexts,
    ::testing::Values(
        TListRow{"First", "1/2", ""}, TListRow{"Last", "2/2", ""}, TListRow{"Whole", "1/1", ""},
        TListRow{"KAboveN", "3/2", "A shard must be K/N with K from 1 to N, not '3/2'."},
        TListRow{"Zero", "0/2", "A shard must be K/N with K from 1 to N, not '0/2'."},
        TListRow{"NoSlash", "12", "A shard must be K/N with K from 1 to N, not '12'."},
        TListRow{"Sign", "+1/2", "A shard must be K/N with K from 1 to N, not '+1/2'."},
        TListRow{"NZero", "0/0", "A shard must be K/N with K from 1 to N, not '0/0'."}),
    kName);

#define KV_BAD_CONTRACT                                                                            \
    "A contract must be a level 1 to 7, a denomination and a declarer, such as 4S:S, 3NT:N or "    \
    "6H:NS, not "
INSTANTIATE_TEST_SUITE_P(
    Request, ContractTexts,
    ::testing::Values(TListRow{"FourSpades", "4S:S", ""}, TListRow{"ThreeNotrump", "3NT:N", ""},
                      TListRow{"SevenBetter", "7h:ns", ""},
                      TListRow{"LevelZero", "0S:S", KV_BAD_CONTRACT "'0S:S'."},
                      TListRow{"LevelEight", "8S:S", KV_BAD_CONTRACT "'8S:S'."},
                      TListRow{"NoDeclarer", "4S", KV_BAD_CONTRACT "'4S'."},
                      TListRow{"NoStrain", "4:S", KV_BAD_CONTRACT "'4:S'."},
                      TListRow{"East", "4S:E", KV_BAD_CONTRACT "'4S:E'."}),
    kName);

TEST(Request, ListsAreKeptInTableOrder) {
    EXPECT_EQ(ParseStrains("C,H,NT").Value, (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(ParseDeclarers("NS,S").Value,
              (std::vector<TDeclarer>{TDeclarer::South, TDeclarer::Better}));
    EXPECT_EQ(ParseShard("3/7").Value, (TShard{3, 7}));
    EXPECT_EQ(ParseContract("6H:NS").Value, (TContract{6, 2, TDeclarer::Better}));
}

struct TFaultRow {
    const char* Name;
    void (*Change)(TAnalysisRequest&);
    const char* Error;
};

const TFaultRow kFaults[] = {
    {"CountOne", [](TAnalysisRequest& r) { r.Count = 1; }, ""},
    {"CountZero", [](TAnalysisRequest& r) { r.Count = 0; },
     "The number of deals must be from 1 to 100000000."},
    {"CountMost", [](TAnalysisRequest& r) { r.Count = 100000000; }, ""},
    {"CountBeyond", [](TAnalysisRequest& r) { r.Count = 100000001; },
     "The number of deals must be from 1 to 100000000."},
    {"NoTypes", [](TAnalysisRequest& r) { r.Types.clear(); },
     "There are no hand types to analyse."},
    {"NoDeclarer", [](TAnalysisRequest& r) { r.Declarers.clear(); },
     "Choose at least one declarer."},
    {"NoStrain", [](TAnalysisRequest& r) { r.Strains.clear(); },
     "Choose at least one denomination."},
    {"ShapeNeedsNone",
     [](TAnalysisRequest& r) { r.Kind = TAnalysisKind::ShapeAndPoints, r.Strains.clear(); }, ""},
    {"ShardBeyond",
     [](TAnalysisRequest& r) {
         r.Shard = {3, 2};
     },
     "A shard must be K/N with K from 1 to N, not '3/2'."},
    {"CompareSolved",
     [](TAnalysisRequest& r) {
         r.Compare = TCompareSpec{{4, 1, TDeclarer::South}, {3, 0, TDeclarer::North}};
     },
     ""},
    {"CompareUnsolvedStrain",
     [](TAnalysisRequest& r) {
         r.Compare = TCompareSpec{{4, 2, TDeclarer::South}, {3, 0, TDeclarer::North}};
     },
     "Both contracts to compare must be among the declarers and denominations analysed."},
    {"CompareUnsolvedDeclarer",
     [](TAnalysisRequest& r) {
         r.Compare = TCompareSpec{{4, 1, TDeclarer::South}, {3, 0, TDeclarer::Better}};
     },
     "Both contracts to compare must be among the declarers and denominations analysed."},
    {"CompareShape",
     [](TAnalysisRequest& r) {
         r.Kind = TAnalysisKind::ShapeAndPoints;
         r.Compare = TCompareSpec{{4, 1, TDeclarer::South}, {3, 0, TDeclarer::North}};
     },
     "Contracts can be compared only in a double-dummy analysis."},
};

class RequestFaults : public ::testing::TestWithParam<TFaultRow> {};

TEST_P(RequestFaults, NamedOrNone) {
    TAnalysisRequest r = TricksRequest(10, {0, 1}, {TDeclarer::North, TDeclarer::South});
    GetParam().Change(r);
    EXPECT_EQ(RequestFault(r), GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(Request, RequestFaults, ::testing::ValuesIn(kFaults), kName);

struct TFitRow {
    const char* Name;
    int SouthSpades, NorthSpades, OtherFrequency;
    std::vector<int> Suits;
};

class ForcedFits : public ::testing::TestWithParam<TFitRow> {};

// The first type holds hearts 5 + 3 and the given spade minimums; the second
// spades 4 + 4 and hearts 3 + 3, dealt with the given frequency.
TEST_P(ForcedFits, SuitsEveryDealtTypeFits) {
    THandParam a, b;
    a.SHeartMin = 5, a.NHeartMin = 3;
    a.SSpadeMin = static_cast<std::uint8_t>(GetParam().SouthSpades);
    a.NSpadeMin = static_cast<std::uint8_t>(GetParam().NorthSpades);
    b.SHeartMin = 3, b.NHeartMin = 3, b.SSpadeMin = 4, b.NSpadeMin = 4;
    b.Frequency = GetParam().OtherFrequency;
    EXPECT_EQ(ForcedFitSuits({a, b}), GetParam().Suits);
}

INSTANTIATE_TEST_SUITE_P(Request, ForcedFits,
                         ::testing::Values(TFitRow{"EightSpades", 5, 3, 100, {1}},
                                           TFitRow{"SevenSpades", 4, 3, 100, {}},
                                           TFitRow{"UndealtTypeIgnored", 5, 3, 0, {1, 2}},
                                           TFitRow{"DealtTypeCounts", 5, 3, 1, {1}}),
                         kName);

TEST(Request, NoForcedFitWithoutTypes) {
    EXPECT_TRUE(ForcedFitSuits({}).empty());
}

} // namespace
