// The analysis as the command line runs it: text, JSON and CSV on a stream,
// summary files merged, and every refusal with its message on the other stream.
#include "AnalysisTestUtil.h"
#include "analysis/AnalysisCommand.h"
#include "analysis/src/SummaryJson.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kv;
using namespace kv::analysis;
using namespace kv::analysis::test;

namespace {

struct TCommandRun {
    int Code = 0;
    std::string Out, Err;
};

TCommandRun RunCommand(const TAnalysisRequest& request, TAnalysisFormat format) {
    std::ostringstream out, err;
    const int code = RunAnalysisCommand(request, format, out, err, false);
    return {code, out.str(), err.str()};
}

TCommandRun Merge(const std::vector<std::string>& paths, TAnalysisFormat format) {
    std::ostringstream out;
    std::string err;
    const int code =
        MergeCommand(paths, format, out, [&](const std::string& line) { err += line + '\n'; });
    return {code, out.str(), err};
}

// Each count of `counts` an even share of `deals`, the first the rest.
template <typename C> void Spread(C& counts, std::int64_t deals) {
    const auto share = deals / static_cast<std::int64_t>(counts.size());
    for (auto& n : counts)
        n = share;
    counts[0] += deals - share * static_cast<std::int64_t>(counts.size());
}

// The largest summary this program writes: eight types, every declarer and
// denomination, a comparison, counts of eight digits, and all but one of a
// million shards merged.
TSummary LargestSummary() {
    TAnalysisRequest r = TricksRequest(kMaxAnalysisCount, {0, 1, 2, 3, 4},
                                       {TDeclarer::North, TDeclarer::South, TDeclarer::Better});
    r.Types.assign(8, THandParam{});
    r.Compare = TCompareSpec{{4, 1, TDeclarer::North}, {3, 0, TDeclarer::South}, true};
    r.Shard = {1, 1000000};
    TSummary s = EmptySummary(r);
    s.Shards.clear();
    for (int k = 1; k < r.Shard.N; ++k)
        s.Shards.push_back(k);
    s.Deals = s.Expected();
    Spread(s.TypeDeals, s.Deals);
    Spread(s.NSPoints, s.Deals);
    Spread(s.NorthPoints, s.Deals);
    Spread(s.SouthPoints, s.Deals);
    Spread(s.LongestFit, s.Deals);
    for (TTrickCounts& t : s.Tricks)
        Spread(t.Deals, s.Deals);
    std::array<std::int64_t, 3> compared{};
    Spread(compared, s.Deals);
    s.Compare = {compared[0], compared[1], compared[2], -24 * s.Deals};
    s.ShardsMissing = true;
    return s;
}

class AnalysisCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("kv-analysis-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& text) {
        std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::filesystem::path dir_;
};

TEST_F(AnalysisCommand, ShardFilesMergeIntoTheSingleRunsJson) {
    TAnalysisRequest request = TricksRequest(9, {0}, {TDeclarer::South});
    const TCommandRun single = RunCommand(request, TAnalysisFormat::Json);
    ASSERT_EQ(single.Code, 0) << single.Err;
    std::vector<std::string> paths;
    for (int k = 1; k <= 2; ++k) {
        request.Shard = {k, 2};
        const TCommandRun shard = RunCommand(request, TAnalysisFormat::Json);
        ASSERT_EQ(shard.Code, 0) << shard.Err;
        paths.push_back(Write("shard" + std::to_string(k) + ".json", shard.Out));
    }
    const TCommandRun merged = Merge(paths, TAnalysisFormat::Json);
    EXPECT_EQ(merged.Code, 0);
    EXPECT_EQ(merged.Err, "");
    EXPECT_EQ(merged.Out, single.Out);
    EXPECT_EQ(Merge(paths, TAnalysisFormat::Text).Out,
              RunCommand(TricksRequest(9, {0}, {TDeclarer::South}), TAnalysisFormat::Text).Out);
}

TEST_F(AnalysisCommand, TextStartsWithTheHeadingAndTheMakeTable) {
    const TCommandRun run =
        RunCommand(TricksRequest(4, {0}, {TDeclarer::North}), TAnalysisFormat::Text);
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out.rfind("Analysis of 4 deals, seed 00002026\n\nMake table: mean tricks", 0), 0u)
        << run.Out;
}

TEST_F(AnalysisCommand, CsvHasAHeaderAndOneLinePerDeal) {
    TAnalysisRequest request = ShapeRequest(5);
    request.Shard = {2, 2};
    const TCommandRun run = RunCommand(request, TAnalysisFormat::Csv);
    EXPECT_EQ(run.Code, 0);
    std::istringstream lines(run.Out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], "deal,type,north_hcp,south_hcp,ns_hcp,longest_fit,pbn");
    EXPECT_EQ(all[1].rfind("2,1,", 0), 0u);
    EXPECT_EQ(all[2].rfind("4,1,", 0), 0u);
}

TEST_F(AnalysisCommand, RefusedRequestWritesNothing) {
    const TCommandRun run =
        RunCommand(TricksRequest(4, {}, {TDeclarer::North}), TAnalysisFormat::Csv);
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Choose at least one denomination.\n");
}

TEST_F(AnalysisCommand, MergeRefusals) {
    const std::string good =
        Write("good.json", RunCommand(ShapeRequest(3), TAnalysisFormat::Json).Out);
    TAnalysisRequest other = ShapeRequest(3);
    other.Seed = 1;
    const std::string otherSeed = Write("other.json", RunCommand(other, TAnalysisFormat::Json).Out);
    const std::string broken = Write("broken.json", "{");
    const std::string missing = (dir_ / "missing.json").string();
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{good, missing}, missing + ": cannot be read\n"},
        {{broken},
         broken + ": not an analysis summary: line 1, column 2: a member name expected\n"},
        {{good, otherSeed},
         "Cannot merge summaries made with different seeds: 00C0FFEE and 00000001.\n"},
        {{good, good}, "Cannot merge a shard twice: 1/1.\n"},
        {{good, "/dev/zero"},
         "/dev/zero: not an analysis summary: it is larger than 16 MB, which no summary "
         "reaches\n"},
        {{}, "There are no summaries to merge.\n"},
    };
    for (const auto& [paths, error] : rows) {
        const TCommandRun run = Merge(paths, TAnalysisFormat::Json);
        EXPECT_EQ(run.Code, 1);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, error);
    }
    const TCommandRun csv = Merge({good}, TAnalysisFormat::Csv);
    EXPECT_EQ(csv.Err, "A merge gives a summary, not deals: choose the text or JSON format.\n");
}

// A file one byte over the limit is refused unread; the largest summary the
// program writes, padded to the limit, is merged.
TEST_F(AnalysisCommand, SummariesUpToTheSizeLimitAreMerged) {
    const std::string largest = SummaryToJson(LargestSummary());
    ASSERT_LT(largest.size(), kMaxSummaryBytes / 2);
    std::string padded = largest;
    padded.resize(kMaxSummaryBytes, ' ');
    const TCommandRun merged = Merge({Write("largest.json", padded)}, TAnalysisFormat::Json);
    EXPECT_EQ(merged.Code, 0) << merged.Err;
    EXPECT_EQ(merged.Out, largest);
    const std::string over = Write("over.json", padded + " ");
    const TCommandRun refused = Merge({over}, TAnalysisFormat::Json);
    EXPECT_EQ(refused.Code, 1);
    EXPECT_EQ(refused.Out, "");
    EXPECT_EQ(refused.Err,
              over + ": not an analysis summary: it is larger than 16 MB, which no summary "
                     "reaches\n");
}

// Shards that are not all there merge into a summary marked partial, in text
// and JSON, after a message naming the missing ones.
TEST_F(AnalysisCommand, AMergeWithShardsMissingIsMarkedPartial) {
    TAnalysisRequest request = ShapeRequest(10);
    request.Shard = {2, 3};
    const std::string second = Write("second.json", RunCommand(request, TAnalysisFormat::Json).Out);
    const TCommandRun json = Merge({second}, TAnalysisFormat::Json);
    EXPECT_EQ(json.Code, 0);
    EXPECT_EQ(json.Err, "Shards 1, 3 of 3 are missing: the merged summary is partial.\n");
    EXPECT_NE(json.Out.find("\"partial\": true"), std::string::npos) << json.Out;
    const TCommandRun text = Merge({second}, TAnalysisFormat::Text);
    EXPECT_EQ(text.Out.substr(0, text.Out.find('\n')),
              "Analysis of 3 deals, seed 00C0FFEE, shard 2 of 3 (partial: 3 of 10 deals)");
}

} // namespace
