// Summary files: written and read back unchanged; damaged files and summaries
// that do not belong together refused with the exact message.
#include "AnalysisTestUtil.h"
#include "analysis/AnalysisRun.h"
#include "analysis/ResultCsv.h"
#include "analysis/SummaryText.h"
#include "analysis/src/Json.h"
#include "analysis/src/SummaryJson.h"
#include "analysis/src/SummaryMerge.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;
using namespace kv::analysis::test;

namespace {

TSummary RunOf(TAnalysisRequest request) {
    TDdsSolver solver;
    const TAnalysisOutcome outcome = RunAnalysis(std::move(request), solver, false);
    EXPECT_TRUE(outcome.Ok()) << outcome.Error;
    return outcome.Summary;
}

TAnalysisRequest Compared() {
    TAnalysisRequest r = TricksRequest(4, {0, 2}, {TDeclarer::North, TDeclarer::Better});
    r.Compare = TCompareSpec{{4, 2, TDeclarer::Better}, {3, 0, TDeclarer::North}, false};
    return r;
}

// Eight types of different frequencies, the most a summary holds.
TAnalysisRequest EightTypes() {
    TTypeList types(8);
    for (std::size_t i = 0; i < types.size(); ++i)
        types[i].Frequency = static_cast<int>(10 + i);
    return ShapeRequest(300, types);
}

TEST(SummaryFile, ReadBackUnchanged) {
    for (const TAnalysisRequest& r : {ShapeRequest(300), Compared(), EightTypes()}) {
        const TSummary s = RunOf(r);
        const TSummaryRead read = SummaryFromJson(SummaryToJson(s));
        ASSERT_EQ(read.Error, "");
        EXPECT_EQ(read.Summary, s);
    }
}

TEST(SummaryFile, LayoutOfAShapeSummary) {
    TAnalysisRequest r = ShapeRequest(2);
    r.Seed = 0x0000ABCD;
    const std::string json = SummaryToJson(RunOf(r));
    const std::string start =
        "{\n"
        "  \"format\": \"kestrovanhalme-analysis\",\n"
        "  \"version\": 1,\n"
        "  \"seed\": \"0000ABCD\",\n"
        "  \"count\": 2,\n"
        "  \"types\": [\"10470D0D0D0D1049102510251025102510470D0D0D0D104910251025"
        "1025102500000064\"],\n"
        "  \"analysis\": \"shape\",\n"
        "  \"declarers\": [],\n"
        "  \"strains\": [],\n"
        "  \"compare\": null,\n"
        "  \"shards\": {\"of\": 1, \"counted\": [1]},\n"
        "  \"deals\": 2,\n";
    EXPECT_EQ(json.substr(0, start.size()), start);
}

// Replaces the first `from` in `json` by `to`.
std::string Replaced(std::string json, const std::string& from, const std::string& to) {
    const std::size_t at = json.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? json : json.replace(at, from.size(), to);
}

// The JSON of a run with a comparison, and of a shape run, changed.
std::string Damaged(const std::string& from, const std::string& to) {
    static const std::string kJson = SummaryToJson(RunOf(Compared()));
    return Replaced(kJson, from, to);
}

std::string DamagedShape(const std::string& from, const std::string& to) {
    static const std::string kJson = SummaryToJson(RunOf(ShapeRequest(4)));
    return Replaced(kJson, from, to);
}

const std::string kTypeText =
    "\"10470D0D0D0D1049102510251025102510470D0D0D0D1049102510251025102500000064\"";

// A JSON array of `values` values in all (the array and its zeros).
std::string Zeros(std::size_t values) {
    std::string text = "[";
    for (std::size_t i = 1; i < values; ++i)
        text += i > 1 ? ",0" : "0";
    return text + "]";
}

struct TDamageRow {
    const char* Name;
    std::string Text;
    const char* Error;
};

class DamagedFiles : public ::testing::TestWithParam<TDamageRow> {};

TEST_P(DamagedFiles, AreRefused) {
    EXPECT_EQ(SummaryFromJson(GetParam().Text).Error, GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(
    SummaryFile, DamagedFiles,
    ::testing::Values(
        TDamageRow{"Empty", "", "not an analysis summary: line 1, column 1: a value is missing"},
        TDamageRow{"Array", "[1, 2]", "not an analysis summary: the file holds no JSON object"},
        TDamageRow{"Cut", "{\"format\": \"kestrovanhalme-analysis\",\n  \"version\": 1",
                   "not an analysis summary: line 2, column 15: ',' or '}' expected"},
        TDamageRow{"Fraction", "{\"a\": 1.5}",
                   "not an analysis summary: line 1, column 8: a number that is not whole"},
        TDamageRow{"Trailing", "{} x",
                   "not an analysis summary: line 1, column 4: text after the end of the value"},
        TDamageRow{"OtherFormat", Damaged("kestrovanhalme-analysis", "other"),
                   "not an analysis summary: the format is 'other'"},
        TDamageRow{"Version2", Damaged("\"version\": 1", "\"version\": 2"),
                   "not an analysis summary: 'version' must be a whole number from 1 to 1"},
        TDamageRow{"NoSeed", Damaged("\"seed\"", "\"sead\""),
                   "not an analysis summary: 'seed' is missing"},
        TDamageRow{"ShortSeed", Damaged("\"00002026\"", "\"2026\""),
                   "not an analysis summary: 'seed' must be 8 hexadecimal digits"},
        TDamageRow{"CountZero", Damaged("\"count\": 4", "\"count\": 0"),
                   "not an analysis summary: 'count' must be a whole number from 1 to 100000000"},
        TDamageRow{"BadType", Damaged("\"types\": [\"10", "\"types\": [\"1X"),
                   "not an analysis summary: "
                   "'1X470D0D0D0D1049102510251025102510470D0D0D0D104910251025102510250000"
                   "0064' is not a type text"},
        TDamageRow{"BadStrain", Damaged("\"strains\": [\"NT\"", "\"strains\": [\"X\""),
                   "not an analysis summary: A denomination must be NT, S, H, D or C, not 'X'."},
        TDamageRow{
            "ShardsOutOfOrder", Damaged("\"counted\": [1]", "\"counted\": [2]"),
            "not an analysis summary: 'counted' must list shards from 1 to 1 in ascending order"},
        TDamageRow{"TooManyDeals", Damaged("\"deals\": 4", "\"deals\": 5"),
                   "not an analysis summary: 'deals' must be a whole number from 0 to 4"},
        TDamageRow{"CountsDoNotAddUp", Damaged("\"deals\": 4", "\"deals\": 3"),
                   "not an analysis summary: the counts of 'typeDeals' do not add up to the deals"},
        TDamageRow{"MissingTricks",
                   Damaged("\"strain\": \"H\", \"declarer\": \"N\"",
                           "\"strain\": \"H\", \"declarer\": \"S\""),
                   "not an analysis summary: 'tricks' must hold one entry for each denomination "
                   "and declarer"},
        TDamageRow{"CompareCounts", Damaged("\"impsForA\": ", "\"impsForA\": 1000, \"old\": "),
                   "not an analysis summary: 'impsForA' must be a whole number from -96 to 96"},
        TDamageRow{"NegativeCountOffsetByALargerOne",
                   Damaged("\"pointsNS\": [0, 0,", "\"pointsNS\": [-1, 1,"),
                   "not an analysis summary: the counts of 'pointsNS' do not add up to the deals"},
        TDamageRow{"ImpsWithoutAComparison", DamagedShape("\"impsForA\": 0}", "\"impsForA\": 5}"),
                   "not an analysis summary: the counts of 'compareDeals' do not add up to the "
                   "deals"},
        TDamageRow{
            "ShardCountedTwice",
            Damaged("\"of\": 1, \"counted\": [1]", "\"of\": 2, \"counted\": [1, 1]"),
            "not an analysis summary: 'counted' must list shards from 1 to 2 in ascending order"},
        TDamageRow{"NineTypes",
                   Damaged("\"types\": [" + kTypeText,
                           "\"types\": [" + kTypeText + ", " + kTypeText + ", " + kTypeText + ", " +
                               kTypeText + ", " + kTypeText + ", " + kTypeText + ", " + kTypeText +
                               ", " + kTypeText + ", " + kTypeText),
                   "not an analysis summary: 'types' must hold 1 to 8 type texts"},
        // The largest summary holds 1,001,000 values; a text of one more is
        // refused at the value too many, one of exactly as many is read.
        TDamageRow{"AsManyValuesAsTheLargestSummary", Zeros(1001000),
                   "not an analysis summary: the file holds no JSON object"},
        TDamageRow{"OneValueMore", Zeros(1001001),
                   "not an analysis summary: line 1, column 2002000: more values than a summary "
                   "holds"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TMergeRow {
    const char* Name;
    void (*Change)(TAnalysisRequest&);
    const char* Error;
};

const TMergeRow kMismatches[] = {
    {"Seed", [](TAnalysisRequest& r) { r.Seed = 0x1234; },
     "Cannot merge summaries made with different seeds: 00002026 and 00001234."},
    {"Count", [](TAnalysisRequest& r) { r.Count = 5; },
     "Cannot merge summaries made with different numbers of deals: 4 and 5."},
    {"Types", [](TAnalysisRequest& r) { r.Types[0].Frequency = 99; },
     "Cannot merge summaries made with different hand types."},
    {"Kind",
     [](TAnalysisRequest& r) {
         r.Kind = TAnalysisKind::ShapeAndPoints;
         r.Compare.reset();
     },
     "Cannot merge a shape-and-points summary with a double-dummy one."},
    {"Declarers", [](TAnalysisRequest& r) { r.Declarers.push_back(TDeclarer::South); },
     "Cannot merge summaries made for different declarers: N,NS and N,S,NS."},
    {"Strains",
     [](TAnalysisRequest& r) {
         r.Strains = {0, 2, 4};
     },
     "Cannot merge summaries made for different denominations: NT,H and NT,H,C."},
    {"Compare", [](TAnalysisRequest& r) { r.Compare->Vulnerable = true; },
     "Cannot merge summaries that compare different contracts."},
    {"ShardCount",
     [](TAnalysisRequest& r) {
         r.Shard = {2, 3};
     },
     "Cannot merge summaries split into different numbers of shards: 2 and 3."},
    {"ShardTwice",
     [](TAnalysisRequest& r) {
         r.Shard = {1, 2};
     },
     "Cannot merge a shard twice: 1/2."},
    {"OtherShard",
     [](TAnalysisRequest& r) {
         r.Shard = {2, 2};
     },
     ""},
};

class MergeMismatches : public ::testing::TestWithParam<TMergeRow> {};

TEST_P(MergeMismatches, AreRefused) {
    TAnalysisRequest first = Compared();
    first.Shard = {1, 2};
    TAnalysisRequest second = first;
    GetParam().Change(second);
    EXPECT_EQ(MergeSummaries({RunOf(first), RunOf(second)}).Error, GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(SummaryFile, MergeMismatches, ::testing::ValuesIn(kMismatches),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SummaryFile, NothingToMerge) {
    EXPECT_EQ(MergeSummaries({}).Error, "There are no summaries to merge.");
}

TEST(SummaryFile, SomeShardsMergeIntoAPartialSummary) {
    TAnalysisRequest r = ShapeRequest(100);
    r.Shard = {1, 3};
    const TSummary a = RunOf(r);
    r.Shard = {3, 3};
    const TMerged merged = MergeSummaries({RunOf(r), a});
    ASSERT_EQ(merged.Error, "");
    EXPECT_EQ(merged.Summary.Shards, (std::vector<int>{1, 3}));
    EXPECT_EQ(merged.Summary.Key.ShardCount, 3);
    EXPECT_EQ(merged.Summary.Deals, 34 + 33);
    EXPECT_TRUE(merged.Summary.Partial());
    EXPECT_EQ(PartialLabel(merged.Summary), "partial: 67 of 100 deals");
    EXPECT_EQ(MissingShardsNote(merged.Summary),
              "Shard 2 of 3 is missing: the merged summary is partial.");
}

// The note names the first ten missing shards and counts the rest.
TEST(SummaryFile, TheNoteOfManyMissingShardsNamesTen) {
    TAnalysisRequest r = ShapeRequest(100);
    r.Shard = {1, 1000};
    const TMerged merged = MergeSummaries({RunOf(r)});
    ASSERT_EQ(merged.Error, "");
    EXPECT_EQ(MissingShardsNote(merged.Summary),
              "Shards 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 989 more of 1000 are missing: the merged "
              "summary is partial.");
    r.Shard = {1, 1};
    EXPECT_EQ(MissingShardsNote(MergeSummaries({RunOf(r)}).Summary), "");
}

TEST(SummaryFile, JsonStringsEscapeWhatTheyMust) {
    EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\u000a\\u0001\"");
    EXPECT_EQ(*ParseJson("\"a\\u0041\\n\"", 1).Value.String(), "aA\n");
    EXPECT_EQ(ParseJson("\"\\u00e9\"", 1).Error,
              "line 1, column 4: an escape that is not \\u0000 to \\u007F");
}

TEST(SummaryFile, CsvLineOfADealKnownByHand) {
    TAnalysisRequest r = TricksRequest(1, {0, 1}, {TDeclarer::North, TDeclarer::Better});
    const TSummary s = EmptySummary(r);
    TDealResult d = ResultOfHands("AKQJ.AKQ.AKQ.AKQ", "765.8765.8765.76", "T98.JT9.JT9.JT98",
                                  "432.432.432.5432", 7);
    d.Tricks[0] = {13, 12};
    d.Tricks[1] = {11, 12};
    EXPECT_EQ(CsvHeader(s.Key),
              "deal,type,north_hcp,south_hcp,ns_hcp,longest_fit,pbn,NT_N,NT_NS,S_N,S_NS\n");
    EXPECT_EQ(CsvLine(d, s.Key),
              "7,1,37,3,40,7,N:AKQJ.AKQ.AKQ.AKQ 765.8765.8765.76 T98.JT9.JT9.JT98 "
              "432.432.432.5432,13,13,11,12\n");
}

} // namespace
