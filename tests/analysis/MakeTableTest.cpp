// The make table of deals whose double-dummy results are known by hand, solved
// through both solver paths, and the counts it is made of.
#include "AnalysisTestUtil.h"
#include "analysis/AnalysisSummary.h"
#include "analysis/SummaryText.h"
#include "analysis/TrickSolver.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::analysis;
using namespace kv::analysis::test;

namespace {

constexpr int NT = 0, Sp = 1, He = 2, Di = 3, Cl = 4;

// Each hand holds one whole suit: N spades, E hearts, S diamonds, W clubs. The
// side on lead wins every trick in notrump with its own suit; North-South take
// all 13 when spades or diamonds are trumps (they ruff the first lead and then
// draw trumps), and none in hearts or clubs (the defenders' suit wins or is ruffed).
TDealResult OneSuitEach() {
    return ResultOfHands("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.",
                         "...AKQJT98765432");
}

// The same with N hearts, E spades, S clubs, W diamonds: 13 in hearts and clubs.
TDealResult OneSuitEachTurned() {
    return ResultOfHands(".AKQJT98765432..", "AKQJT98765432...", "...AKQJT98765432",
                         "..AKQJT98765432.");
}

// North-South hold every top card; in hearts and diamonds East's fourth trump
// takes one trick (as the double-dummy module's own test works out).
TDealResult TopCards() {
    return ResultOfHands("AKQJ.AKQ.AKQ.AKQ", "765.8765.8765.76", "T98.JT9.JT9.JT98",
                         "432.432.432.5432");
}

// Tricks of North and South in NT, spades, hearts, diamonds, clubs.
using TExpected = std::array<std::array<int, 2>, kStrains>;
const TExpected kOneSuitEach = {{{0, 0}, {13, 13}, {0, 0}, {13, 13}, {0, 0}}};
const TExpected kOneSuitEachTurned = {{{0, 0}, {0, 0}, {13, 13}, {0, 0}, {13, 13}}};
const TExpected kTopCards = {{{13, 13}, {13, 13}, {12, 12}, {12, 12}, {13, 13}}};

struct TPathRow {
    const char* Name;
    TSolverPath Path;
    bool North, South;
};

class SolverPaths : public ::testing::TestWithParam<TPathRow> {};

TEST_P(SolverPaths, SolveDealsKnownByHand) {
    std::vector<TDealResult> deals = {OneSuitEach(), OneSuitEachTurned(), TopCards()};
    const std::vector<TExpected> expected = {kOneSuitEach, kOneSuitEachTurned, kTopCards};
    TDdsSolver solver(GetParam().Path);
    solver.Solve(deals, TSolveOrder{{NT, Sp, He, Di, Cl}, GetParam().North, GetParam().South});
    for (std::size_t i = 0; i < deals.size(); ++i)
        for (int strain = 0; strain < kStrains; ++strain) {
            const auto& got = deals[i].Tricks[static_cast<std::size_t>(strain)];
            const auto& want = expected[i][static_cast<std::size_t>(strain)];
            EXPECT_EQ(got[0], GetParam().North ? want[0] : -1)
                << "deal " << i << " strain " << strain;
            EXPECT_EQ(got[1], GetParam().South ? want[1] : -1)
                << "deal " << i << " strain " << strain;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Analysis, SolverPaths,
    ::testing::Values(TPathRow{"BoardsNorth", TSolverPath::Boards, true, false},
                      TPathRow{"BoardsSouth", TSolverPath::Boards, false, true},
                      TPathRow{"BoardsBoth", TSolverPath::Boards, true, true},
                      TPathRow{"TablesNorth", TSolverPath::Tables, true, false},
                      TPathRow{"TablesBoth", TSolverPath::Tables, true, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TSummary SummaryOfKnownDeals() {
    TAnalysisRequest request =
        TricksRequest(3, {NT, Sp, He, Di, Cl}, {TDeclarer::North, TDeclarer::Better});
    TSummary summary = EmptySummary(request);
    std::vector<TDealResult> deals = {OneSuitEach(), OneSuitEachTurned(), TopCards()};
    TDdsSolver().Solve(deals, OrderOf(request));
    for (const TDealResult& d : deals)
        summary.Add(d);
    return summary;
}

TEST(MakeTable, CountsOfDealsKnownByHand) {
    const TSummary s = SummaryOfKnownDeals();
    ASSERT_EQ(s.Tricks.size(), 10u);
    // Hearts by North: 0, 13 and 12 tricks. Level 6 needs 12 (made twice),
    // level 7 needs 13 (made once).
    const TTrickCounts& hearts = *s.TricksOf(He, TDeclarer::North);
    EXPECT_EQ(hearts.Deals[0], 1);
    EXPECT_EQ(hearts.Deals[12], 1);
    EXPECT_EQ(hearts.Deals[13], 1);
    EXPECT_EQ(hearts.Makes(1), 2);
    EXPECT_EQ(hearts.Makes(6), 2);
    EXPECT_EQ(hearts.Makes(7), 1);
    EXPECT_DOUBLE_EQ(hearts.MeanTricks(), 25.0 / 3.0);
    const TTrickCounts& notrump = *s.TricksOf(NT, TDeclarer::Better);
    EXPECT_EQ(notrump.Makes(7), 1);
    EXPECT_EQ(notrump.Total(), 3);
    EXPECT_EQ(s.LongestFit[13], 2);
    EXPECT_EQ(s.LongestFit[7], 1);
}

TEST(MakeTable, TextOfDealsKnownByHand) {
    const std::string text = MakeTableText(SummaryOfKnownDeals());
    EXPECT_EQ(
        text,
        "Make table: mean tricks, and the share of deals (%) on which each level makes\n"
        "Denomination  Declarer  Mean tricks      1      2      3      4      5      6      7\n"
        "NT            N                4.33   33.3   33.3   33.3   33.3   33.3   33.3   33.3\n"
        "NT            NS               4.33   33.3   33.3   33.3   33.3   33.3   33.3   33.3\n"
        "S             N                8.67   66.7   66.7   66.7   66.7   66.7   66.7   66.7\n"
        "S             NS               8.67   66.7   66.7   66.7   66.7   66.7   66.7   66.7\n"
        "H             N                8.33   66.7   66.7   66.7   66.7   66.7   66.7   33.3\n"
        "H             NS               8.33   66.7   66.7   66.7   66.7   66.7   66.7   33.3\n"
        "D             N                8.33   66.7   66.7   66.7   66.7   66.7   66.7   33.3\n"
        "D             NS               8.33   66.7   66.7   66.7   66.7   66.7   66.7   33.3\n"
        "C             N                8.67   66.7   66.7   66.7   66.7   66.7   66.7   66.7\n"
        "C             NS               8.67   66.7   66.7   66.7   66.7   66.7   66.7   66.7\n"
        "NS: the better of North and South as declarer, on each deal whichever of the two "
        "takes more tricks.\n");
}

// The better of North and South takes the higher of the two counts.
TEST(MakeTable, BetterOfTheTwoTakesTheHigher) {
    TDealResult d;
    d.Tricks[0] = {9, 7};
    d.Tricks[1] = {6, 10};
    EXPECT_EQ(d.TricksBy(0, TDeclarer::Better), 9);
    EXPECT_EQ(d.TricksBy(1, TDeclarer::Better), 10);
    d.Tricks[2] = {-1, 8};
    EXPECT_EQ(d.TricksBy(2, TDeclarer::Better), -1);
}

TEST(MakeTable, ShapeOfDealsKnownByHand) {
    const TDealResult top = TopCards();
    EXPECT_EQ(top.NorthHCP, 37);
    EXPECT_EQ(top.SouthHCP, 3);
    EXPECT_EQ(top.LongestFit, 7);
    const TDealResult suits = OneSuitEach();
    EXPECT_EQ(suits.NorthHCP, 10);
    EXPECT_EQ(suits.LongestFit, 13);
}

} // namespace
