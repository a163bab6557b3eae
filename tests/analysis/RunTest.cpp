// Runs of the analysis: the seed's deals as the screen deals them, shards that
// merge into exactly one run, cancel and failures that leave consistent counts.
#include "AnalysisTestUtil.h"
#include "analysis/AnalysisRun.h"
#include "analysis/src/AnalysisMessages.h"
#include "analysis/src/SummaryJson.h"
#include "analysis/src/SummaryMerge.h"
#include "engine/EngineMessages.h"
#include "engine/GenerateDeal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <stdexcept>

using namespace kv;
using namespace kv::analysis;
using namespace kv::analysis::test;

namespace {

// The results of the seed's deals as the screen shows them.
std::vector<TDealResult> ScreenDeals(std::int32_t seed, TTypeList types, int count) {
    std::vector<TDealResult> deals;
    for (const TDealOutcome& dealt : ScreenOutcomes(seed, std::move(types), count))
        deals.push_back(ResultOf(dealt.Deal, static_cast<std::int64_t>(deals.size()) + 1,
                                 static_cast<int>(dealt.Type)));
    return deals;
}

struct TCollected {
    TAnalysisOutcome Outcome;
    std::vector<TDealResult> Deals;
};

TCollected Collect(const TAnalysisRequest& request, ITrickSolver& solver,
                   const std::atomic<bool>& cancel = false) {
    TCollected c;
    TRunCallbacks callbacks;
    callbacks.Deal = [&](const TDealResult& d) { c.Deals.push_back(d); };
    c.Outcome = RunAnalysis(request, solver, cancel, callbacks);
    return c;
}

TEST(AnalysisRun, DealsAreTheScreensDeals) {
    TTypeList types(2);
    types[0].SHCPMin = 15, types[0].SSpadeMin = 5;
    types[1].NHCPMin = 12, types[1].Frequency = 50;
    TAnalysisRequest request = ShapeRequest(300, types);
    request.Seed = 0x1234ABCD;
    TDdsSolver solver;
    const TCollected run = Collect(request, solver);
    ASSERT_TRUE(run.Outcome.Ok());
    EXPECT_EQ(run.Deals, ScreenDeals(request.Seed, types, 300));
}

TEST(AnalysisRun, ShardDealsKeepTheirNumbers) {
    TAnalysisRequest request = ShapeRequest(10);
    request.Shard = {2, 3};
    TDdsSolver solver;
    const TCollected run = Collect(request, solver);
    const std::vector<TDealResult> all = ScreenDeals(request.Seed, request.Types, 10);
    ASSERT_EQ(run.Deals.size(), 3u); // deals 2, 5 and 8
    EXPECT_EQ(run.Deals[0], all[1]);
    EXPECT_EQ(run.Deals[1], all[4]);
    EXPECT_EQ(run.Deals[2], all[7]);
    EXPECT_EQ(run.Outcome.Summary.Expected(), 3);
}

// Counts of deals 1..count when `shards` runs are merged.
std::string MergedJson(TAnalysisRequest request, int shards) {
    std::vector<TSummary> parts;
    TDdsSolver solver;
    for (int k = shards; k >= 1; --k) { // in any order
        request.Shard = {k, shards};
        const TAnalysisOutcome outcome = RunAnalysis(request, solver, false);
        EXPECT_TRUE(outcome.Ok()) << outcome.Error;
        parts.push_back(SummaryFromJson(SummaryToJson(outcome.Summary)).Summary);
    }
    const TMerged merged = MergeSummaries(parts);
    EXPECT_EQ(merged.Error, "");
    return SummaryToJson(merged.Summary);
}

std::string SingleRunJson(const TAnalysisRequest& request) {
    TDdsSolver solver;
    return SummaryToJson(RunAnalysis(request, solver, false).Summary);
}

TEST(AnalysisRun, ShapeShardsMergeIntoOneRunByteForByte) {
    const TAnalysisRequest request = ShapeRequest(1001);
    EXPECT_EQ(MergedJson(request, 2), SingleRunJson(request));
    EXPECT_EQ(MergedJson(request, 7), SingleRunJson(request));
}

TEST(AnalysisRun, TrickShardsMergeIntoOneRunByteForByte) {
    TAnalysisRequest request = TricksRequest(12, {0, 1}, {TDeclarer::South, TDeclarer::Better});
    request.Compare = TCompareSpec{{4, 1, TDeclarer::South}, {3, 0, TDeclarer::Better}, true};
    const std::string single = SingleRunJson(request);
    EXPECT_EQ(MergedJson(request, 3), single);
    EXPECT_NE(
        single.find("\"compare\": {\"a\": \"4S:S\", \"b\": \"3NT:NS\", \"vulnerable\": true}"),
        std::string::npos);
}

// Once cancelled, the summary holds the batches counted before, and they are
// the counts of a whole run of that many deals.
TEST(AnalysisRun, CancelKeepsAConsistentPartialSummary) {
    TAnalysisRequest request = ShapeRequest(20000);
    std::atomic<bool> cancel = false;
    TRunCallbacks callbacks;
    callbacks.Progress = [&](std::int64_t done, std::int64_t) {
        if (done >= 8192) cancel = true;
    };
    TDdsSolver solver;
    const TAnalysisOutcome outcome = RunAnalysis(request, solver, cancel, callbacks);
    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_EQ(outcome.Error, "");
    ASSERT_EQ(outcome.Summary.Deals, 8192);
    EXPECT_TRUE(outcome.Summary.Partial());
    TAnalysisRequest shorter = request;
    shorter.Count = 8192;
    TSummary whole = RunAnalysis(shorter, solver, false).Summary;
    whole.Key.Count = request.Count;
    EXPECT_EQ(outcome.Summary, whole);
}

TEST(AnalysisRun, CancelBeforeTheFirstDealCountsNothing) {
    TDdsSolver solver;
    const TAnalysisOutcome outcome = RunAnalysis(ShapeRequest(100), solver, true);
    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_EQ(outcome.Summary.Deals, 0);
    EXPECT_EQ(outcome.Summary.Expected(), 100);
}

// A solver that fails on its second batch, as dds does on a fault.
class TFailingSolver : public ITrickSolver {
  public:
    std::size_t BatchSize(const TSolveOrder&) const override { return 10; }
    void Solve(std::span<TDealResult> deals, const TSolveOrder& order) override {
        if (++calls_ == 2) throw std::runtime_error("double-dummy analysis failed: out of memory");
        for (TDealResult& d : deals)
            for (int s : order.Strains)
                d.Tricks[static_cast<std::size_t>(s)] = {7, 8};
    }

  private:
    int calls_ = 0;
};

TEST(AnalysisRun, SolverFailureStopsWithItsMessageAndTheDealsBefore) {
    TFailingSolver solver;
    const TAnalysisOutcome outcome =
        RunAnalysis(TricksRequest(50, {0}, {TDeclarer::North}), solver, false);
    EXPECT_EQ(outcome.Error, "double-dummy analysis failed: out of memory");
    EXPECT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Summary.Deals, 10);
    EXPECT_EQ(outcome.Summary.Tricks[0].Deals[7], 10);
}

// Runs a test in a new folder, removed afterwards.
class TInTemporaryFolder {
  public:
    TInTemporaryFolder() {
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    ~TInTemporaryFolder() {
        std::filesystem::current_path(before_);
        std::filesystem::remove_all(folder_);
    }
    TInTemporaryFolder(const TInTemporaryFolder&) = delete;
    TInTemporaryFolder& operator=(const TInTemporaryFolder&) = delete;

  private:
    std::filesystem::path before_ = std::filesystem::current_path();
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() / "kv-analysis-dump";
};

// A solver that leaves a deal's tricks out, or gives an impossible count.
class TCarelessSolver : public ITrickSolver {
  public:
    explicit TCarelessSolver(std::int8_t tricks) : tricks_(tricks) {}
    std::size_t BatchSize(const TSolveOrder&) const override { return 5; }
    void Solve(std::span<TDealResult> deals, const TSolveOrder&) override {
        for (TDealResult& d : deals)
            d.Tricks[0] = {9, 9};
        if (++calls_ == 2) deals[3].Tricks[0][1] = tricks_;
    }

  private:
    std::int8_t tricks_;
    int calls_ = 0;
};

TEST(AnalysisRun, TricksLeftOutByTheSolverStopTheRun) {
    for (const std::int8_t tricks : {-1, 14, 0, 13}) {
        TCarelessSolver solver(tricks);
        const TAnalysisOutcome outcome =
            RunAnalysis(TricksRequest(20, {0}, {TDeclarer::Better}), solver, false);
        const bool possible = tricks >= 0 && tricks <= 13;
        EXPECT_EQ(outcome.Error,
                  possible ? ""
                           : "double-dummy analysis failed: a deal came back without its tricks")
            << int(tricks);
        EXPECT_EQ(outcome.Summary.Deals, possible ? 20 : 5) << int(tricks);
    }
}

// A deal dds refuses (North holds twelve cards) gives dds's own message. dds
// writes the refused deal to dump.txt in the current folder; the test keeps
// that file out of the build tree.
TEST(AnalysisRun, RealSolverFailureIsReported) {
    const TInTemporaryFolder folder;
    std::vector<TDealResult> deals = {ResultOfHands("AKQJ.AKQ.AKQ.AK", "765.8765.8765.76",
                                                    "T98.JT9.JT9.JT98", "432.432.432.5432")};
    TDdsSolver solver(TSolverPath::Boards);
    try {
        solver.Solve(deals, TSolveOrder{{0}, true, false});
        FAIL() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "double-dummy analysis failed: Wrong number of remaining cards in a hand");
    }
}

TEST(AnalysisRun, TypesTheGeneratorLeavesOutKeepTheirPlaces) {
    TTypeList types(3);
    types[0].SHCPMax = 5;
    types[1].SSpadeMin = 7, types[1].SHeartMin = 7; // fourteen cards: no pattern
    types[2].SHCPMin = 20;
    TDdsSolver solver;
    const TCollected run = Collect(ShapeRequest(400, types), solver);
    ASSERT_EQ(run.Outcome.Error, "");
    EXPECT_EQ(run.Outcome.Notes, std::vector<std::string>{kv::msg::kFirstUnsatisfiable});
    const TSummary& s = run.Outcome.Summary;
    EXPECT_EQ(s.TypeDeals[1], 0);
    EXPECT_EQ(s.TypeDeals[0] + s.TypeDeals[2], 400);
    for (const TDealResult& d : run.Deals)
        EXPECT_EQ(d.Type, d.SouthHCP <= 5 ? 0 : 2) << d.Number;
}

TEST(AnalysisRun, NoDealsAtAllGivesTheGeneratorsMessage) {
    TTypeList types(1);
    types[0].SSpadeMin = 7, types[0].SHeartMin = 7;
    TDdsSolver solver;
    const TAnalysisOutcome outcome = RunAnalysis(ShapeRequest(10, types), solver, false);
    EXPECT_EQ(outcome.Error, kv::msg::kNoHands);
    EXPECT_EQ(outcome.Summary.Deals, 0);
}

TEST(AnalysisRun, RequestFaultIsReportedBeforeDealing) {
    TDdsSolver solver;
    const TAnalysisOutcome outcome = RunAnalysis(ShapeRequest(0), solver, false);
    EXPECT_EQ(outcome.Error, "The number of deals must be from 1 to 100000000.");
}

TEST(AnalysisRun, EveryHistogramAddsUpToTheDeals) {
    TDdsSolver solver;
    const TSummary s = RunAnalysis(ShapeRequest(5000), solver, false).Summary;
    const auto sum = [](const auto& counts) {
        return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
    };
    EXPECT_EQ(sum(s.NSPoints), 5000);
    EXPECT_EQ(sum(s.NorthPoints), 5000);
    EXPECT_EQ(sum(s.SouthPoints), 5000);
    EXPECT_EQ(sum(s.LongestFit), 5000);
    EXPECT_EQ(s.LongestFit[6], 0); // two hands always hold seven of some suit
    EXPECT_GT(s.LongestFit[7], 0);
}

} // namespace
