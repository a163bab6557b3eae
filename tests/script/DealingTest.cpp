// Dealing a script's deals: the same deals for any number of threads, shards
// that concatenate into the whole run, the predeal kept, the generate limit
// counted in deal order, and a seat dealt first from its acceptable hands
// giving the same distribution as plain rejection.

#include "ChiSquare.h"
#include "DealHistograms.h"
#include "ScriptTestUtil.h"
#include "script/DealMaker.h"
#include "script/ScriptRun.h"

namespace {

using namespace kv;
using namespace kv::script;

struct TRun {
    std::vector<TProducedDeal> Deals;
    TRunResult Result;
};

TRun RunDeals(const TScript& script, TRunRequest request,
              const std::atomic<bool>* cancel = nullptr) {
    TRun run;
    const std::atomic<bool> never{false};
    const TPbnTags tags{script.File, "00001234", "2026.01.02", script.Dealer, script.Vulnerable};
    run.Result = RunScript(script, request, tags,
                           {[&](TProducedDeal&& d) { run.Deals.push_back(std::move(d)); }, {}},
                           cancel ? *cancel : never);
    return run;
}

TRunRequest Request(std::int64_t count, int threads = 1, std::int32_t seed = 0x1234) {
    TRunRequest request;
    request.Seed = seed;
    request.Count = count;
    request.Threads = threads;
    return request;
}

std::string Texts(const TRun& run) {
    std::string text;
    for (const TProducedDeal& d : run.Deals)
        text += std::to_string(d.Number) + " " + std::to_string(d.Attempts) + " " + d.Report.Text;
    return text;
}

TScript Smolen() {
    return test::Script(test::ReadText(std::string(KV_SCRIPT_DATA) + "/Smolen.dlr"), "Smolen.dlr");
}

TEST(ScriptRun, TheSameDealsForOneTwoAndEightThreads) {
    const TScript script = Smolen();
    const TRun one = RunDeals(script, Request(40, 1));
    ASSERT_EQ(one.Deals.size(), 40u);
    for (const int threads : {2, 8}) {
        const TRun many = RunDeals(script, Request(40, threads));
        EXPECT_EQ(Texts(many), Texts(one)) << threads << " threads";
        EXPECT_EQ(many.Result.Generated, one.Result.Generated);
    }
}

// A seed is a contract: the first deals of a seed, pinned.
TEST(ScriptRun, ASeedGivesItsDeals) {
    const TRun run = RunDeals(Smolen(), Request(2));
    ASSERT_EQ(run.Deals.size(), 2u);
    EXPECT_EQ(test::DealText(run.Deals[0].Deal),
              "N:Q652.AQ943.97.Q4 T9.J85.QJ54.AT75 AK4.T72.AK863.J6 J873.K6.T2.K9832");
    EXPECT_EQ(test::DealText(run.Deals[1].Deal),
              "N:AKJT8.K764.J964. Q7.QT2.QT3.QJT54 432.A3.A75.AK962 965.J985.K82.873");
}

TEST(ScriptRun, ShardsConcatenateIntoTheWholeRun) {
    const TScript script = Smolen();
    const TRun whole = RunDeals(script, Request(12));
    TRunRequest first = Request(5), second = Request(7, 2);
    second.First = 5;
    const TRun a = RunDeals(script, first), b = RunDeals(script, second);
    EXPECT_EQ(Texts(a) + Texts(b), Texts(whole));
    EXPECT_EQ(a.Result.Generated + b.Result.Generated, whole.Result.Generated);
}

TEST(ScriptRun, PredealtCardsAndLengthsAlwaysHold) {
    const TScript script =
        test::Script("predeal north SAKQ, HAK west C2\npredeal spades(east)==5\nhcp(south) > 10");
    const TRun run = RunDeals(script, Request(50, 2));
    ASSERT_EQ(run.Deals.size(), 50u);
    for (const TProducedDeal& d : run.Deals) {
        EXPECT_EQ(d.Deal.Hands[0] & script.Predeal[0], script.Predeal[0]);
        EXPECT_TRUE(d.Deal.Hands[3] & CardBit(3, 2));
        EXPECT_EQ(Length(d.Deal.Hands[1], 0), 5);
        std::uint64_t all = 0;
        for (const std::uint64_t hand : d.Deal.Hands) {
            EXPECT_EQ(std::popcount(hand), 13);
            all |= hand;
        }
        EXPECT_EQ(all, kFullPack);
    }
}

TEST(ScriptRun, AFullPredealGivesThatDeal) {
    const char* deal = "N:AJ6.J.KJ764.A753 QT9542.T32.T2.96 87.Q874.Q8.KQ842 K3.AK965.A953.JT";
    const TScript script =
        test::Script("predeal north SAJ6, HJ, DKJ764, CA753\npredeal east SQT9542, HT32, DT2, C96\n"
                     "predeal south S87, HQ874, DQ8, CKQ842\npredeal west SK3, HAK965, DA953, CJT");
    const TRun run = RunDeals(script, Request(3));
    ASSERT_EQ(run.Deals.size(), 3u);
    for (const TProducedDeal& d : run.Deals)
        EXPECT_EQ(test::DealText(d.Deal), deal);
}

// Deal k is produced only if the tries of deals 1 to k stay within the limit;
// the deals produced are the first of the unlimited run.
TEST(ScriptRun, GenerateLimitCountsTriesInDealOrder) {
    const TScript script = test::Script("generate 20000\nhascard(north, AS) and hascard(north, KS) "
                                        "and hascard(south, QS) and hascard(east, JS)"
                                        " and hascard(west, TS) and hascard(west, 9S)");
    const TRun unlimited = RunDeals(script, Request(10));
    TRunRequest request = Request(10, 2);
    request.Generate = script.GenerateLimit();
    const TRun limited = RunDeals(script, request);
    std::int64_t tries = 0;
    std::size_t within = 0;
    while (within < unlimited.Deals.size() && tries + unlimited.Deals[within].Attempts <= 20000)
        tries += unlimited.Deals[within++].Attempts;
    ASSERT_LT(within, 10u) << "the limit must cut the run short";
    EXPECT_TRUE(limited.Result.LimitReached);
    EXPECT_EQ(limited.Result.Generated, 20000);
    ASSERT_EQ(limited.Deals.size(), within);
    for (std::size_t i = 0; i < within; ++i)
        EXPECT_EQ(limited.Deals[i].Deal, unlimited.Deals[i].Deal);
}

TEST(ScriptRun, AConditionNoDealMeetsDealsNothing) {
    const TRun run =
        RunDeals(test::Script("shape(north, any 4333) and spades(north) == 5"), Request(5));
    EXPECT_TRUE(run.Result.Impossible);
    EXPECT_TRUE(run.Deals.empty());
    EXPECT_EQ(run.Result.Generated, 0);
}

TEST(ScriptRun, DivisionByZeroStopsTheRunWithItsPlace) {
    const TRun run = RunDeals(
        test::Script("hcp(north) > 5\naction printes(10 / (hcp(north) - hcp(north)))"), Request(5));
    ASSERT_TRUE(run.Result.Fault);
    EXPECT_EQ(run.Result.Fault->Message(), "t.dlr:2:19: division by zero");
    EXPECT_TRUE(run.Deals.empty());
}

// Cancelled after the third deal: the deals found by then are handed over,
// in order, and they are the first deals of the whole run.
TEST(ScriptRun, CancelStopsWithTheDealsFoundInOrder) {
    const TScript script = Smolen();
    const TRun whole = RunDeals(script, Request(40, 1));
    for (const int threads : {1, 2}) {
        std::atomic<bool> cancel{false};
        TRun run;
        const TPbnTags tags{script.File, "00001234", "2026.01.02", script.Dealer,
                            script.Vulnerable};
        run.Result = RunScript(script, Request(40, threads), tags,
                               {[&](TProducedDeal&& d) {
                                    run.Deals.push_back(std::move(d));
                                    if (run.Deals.size() == 3) cancel = true;
                                },
                                {}},
                               cancel);
        EXPECT_TRUE(run.Result.Cancelled) << threads;
        EXPECT_GE(run.Deals.size(), 3u);
        EXPECT_LT(run.Deals.size(), 40u);
        EXPECT_EQ(run.Result.Produced, static_cast<std::int64_t>(run.Deals.size()));
        run.Deals.resize(std::min(run.Deals.size(), whole.Deals.size()));
        EXPECT_EQ(Texts(run),
                  Texts(TRun{{whole.Deals.begin(),
                              whole.Deals.begin() + static_cast<std::ptrdiff_t>(run.Deals.size())},
                             {}}));
    }
}

std::vector<TDealMasks> DealsOf(const TScript& script, std::int64_t count, bool seatFirst,
                                std::int32_t seed) {
    TRunRequest request = Request(count, 2, seed);
    request.SeatFirst = seatFirst;
    request.Generate = INT64_MAX;
    std::vector<TDealMasks> deals;
    for (const TProducedDeal& d : RunDeals(script, request).Deals)
        deals.push_back(d.Deal);
    return deals;
}

// The seat dealt first is drawn by exact weights, so the deals must be
// distributed as plain rejection sampling distributes them: each seat's
// points and suit lengths, chi-square tested.
TEST(ScriptUniformity, SeatFirstDealsAsPlainRejectionDoes) {
    for (const char* name : {"Smolen.dlr", "Hold_Up_3N.dlr", "SCS16_1C_any_5-7_Resp.dlr"}) {
        SCOPED_TRACE(name);
        const TScript script =
            test::Script(test::ReadText(std::string(KV_SCRIPT_DATA) + "/" + name), name);
        const THandTables tables = THandTables::For(script.Program);
        ASSERT_GE(TDealMaker(script, tables).FirstSeat(), 0) << "the script must bound a seat";
        const auto first = test::DealHistograms(DealsOf(script, 1500, true, 11));
        const auto plain = test::DealHistograms(DealsOf(script, 1500, false, 12));
        double lowest = 1;
        for (std::size_t i = 0; i < first.size(); ++i)
            lowest = std::min(lowest, test::SameDistribution(first[i], plain[i]));
        EXPECT_GT(lowest, 1e-4);
    }
}

// Without a condition the points of a seat average 10, the suit lengths 3.25.
TEST(ScriptUniformity, UnconstrainedDealsAverageTenPoints) {
    const auto h = test::DealHistograms(DealsOf(test::Script("1"), 20000, true, 3));
    for (std::size_t seat = 0; seat < 4; ++seat) {
        double sum = 0, n = 0;
        for (std::size_t v = 0; v < h[seat * 5].size(); ++v) {
            sum += static_cast<double>(v) * static_cast<double>(h[seat * 5][v]);
            n += static_cast<double>(h[seat * 5][v]);
        }
        EXPECT_NEAR(sum / n, 10.0, 0.12) << "seat " << seat; // four standard errors
    }
}

} // namespace
