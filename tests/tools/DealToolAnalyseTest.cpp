// kestrovanhalme-deal --analyse and --merge against the analysis run in this
// process: the same request gives the same bytes, shards merge into the single
// run, and a failed analysis leaves an --output file as it was.
#include "RunTool.h"
#include "analysis/AnalysisCommand.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace kv;
using namespace kv::test;

namespace {

std::string InProcess(analysis::TAnalysisFormat format, analysis::TAnalysisKind kind) {
    analysis::TAnalysisRequest request;
    request.Seed = 0x1A2B;
    request.Count = 12;
    request.Types = {THandParam{}};
    request.Kind = kind;
    request.Declarers = {analysis::TDeclarer::North, analysis::TDeclarer::Better};
    request.Strains = {0, 1};
    std::ostringstream out, err;
    const std::atomic<bool> cancel{false};
    EXPECT_EQ(analysis::RunAnalysisCommand(request, format, out, err, cancel), 0) << err.str();
    return out.str();
}

} // namespace

TEST(DealToolAnalyse, TheCommandLineGivesTheAnalysisOfTheSameRequest) {
    TToolFolder dir;
    const std::string common = "--analyse --seed 1A2B --count 12 --declarer NS,N --strains S,NT ";
    const struct {
        const char* Name;
        std::string Args;
        analysis::TAnalysisFormat Format;
        analysis::TAnalysisKind Kind;
    } rows[] = {
        {"Text", common, analysis::TAnalysisFormat::Text, analysis::TAnalysisKind::Tricks},
        {"Json", common + "--format json", analysis::TAnalysisFormat::Json,
         analysis::TAnalysisKind::Tricks},
        {"Csv", common + "--format csv", analysis::TAnalysisFormat::Csv,
         analysis::TAnalysisKind::Tricks},
        {"Shape", common + "--shape --format json", analysis::TAnalysisFormat::Json,
         analysis::TAnalysisKind::ShapeAndPoints},
    };
    for (const auto& row : rows) {
        const auto run = dir.Run(row.Args);
        EXPECT_EQ(run.Status, 0) << row.Name << run.Err;
        EXPECT_EQ(run.Out, InProcess(row.Format, row.Kind)) << row.Name;
    }
}

TEST(DealToolAnalyse, ShardsMergeIntoTheSingleRun) {
    TToolFolder dir;
    const std::string run = "--analyse --seed 77 --count 9 --format json ";
    for (const char* shard : {"1/3", "2/3", "3/3"})
        ASSERT_EQ(dir.Run(run + "--shard " + shard + " --output s" + shard[0] + ".json").Status, 0);
    const auto merged = dir.Run("--merge s1.json s2.json s3.json --format json");
    EXPECT_EQ(merged.Status, 0) << merged.Err;
    EXPECT_EQ(merged.Out, dir.Run(run).Out);
    const auto partial = dir.Run("--merge s1.json s3.json");
    EXPECT_EQ(partial.Status, 0) << "two of three shards merge into a partial summary";
    EXPECT_EQ(partial.Err, "Shard 2 of 3 is missing: the merged summary is partial.\n");
    EXPECT_EQ(partial.Out.substr(0, partial.Out.find('\n')),
              "Analysis of 6 deals, seed 00000077, shard 1, 3 of 3 (partial: 6 of 9 deals)");
    const auto twice = dir.Run("--merge s1.json s1.json");
    EXPECT_EQ(twice.Status, 1);
    EXPECT_FALSE(twice.Err.empty());
}

TEST(DealToolAnalyse, AFailedAnalysisLeavesTheOutputAsItWas) {
    TToolFolder dir;
    ASSERT_EQ(dir.Run("--analyse --seed 5 --count 3 --output keep.txt").Status, 0);
    const std::string before = ReadWhole(dir.Path("keep.txt"));
    // The set asked for is in no file: the run fails before its first deal.
    const auto failed = dir.Run("--analyse --seed 5 --count 3 --set nothing --output keep.txt");
    EXPECT_EQ(failed.Status, 1);
    EXPECT_EQ(ReadWhole(dir.Path("keep.txt")), before);
    const auto bad = dir.Run("--analyse --strains NT,X --output keep.txt");
    EXPECT_EQ(bad.Status, 2);
    EXPECT_EQ(
        bad.Err,
        "kestrovanhalme-deal: --strains: A denomination must be NT, S, H, D or C, not 'X'.\n");
    EXPECT_EQ(ReadWhole(dir.Path("keep.txt")), before);
}

// File names and the texts of a summary reach the terminal escaped, as the
// listing's set names do.
TEST(DealToolAnalyse, MergeMessagesAreEscapedForTheTerminal) {
    TToolFolder dir;
    std::ofstream(dir.Path("title.json")) << "{\"format\": \"\\u001b]0;owned\\u0007\"}";
    const auto forged = dir.Run("--merge title.json");
    EXPECT_EQ(forged.Status, 1);
    EXPECT_EQ(forged.Err,
              "title.json: not an analysis summary: the format is '\\x1B]0;owned\\x07'\n");
    const auto named = dir.Run("--merge 'a\x1B[2J\xE2\x80\xAE"
                               "b.json'");
    EXPECT_EQ(named.Status, 1);
    EXPECT_EQ(named.Err, "a\\x1B[2J\\u202Eb.json: cannot be read\n");
}
