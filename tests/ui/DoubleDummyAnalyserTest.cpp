// The analyser on its own: deals known by their cards, answers only to the
// latest request, analyses made ahead of time, and failures not kept.
#include "GatedSolver.h"
#include "HandsTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

struct Analyser : ::testing::Test {
    TSolverGate gate;
    TDoubleDummyAnalyser analyser;
    std::vector<std::pair<quint64, TDDAnalysis>> ready;
    std::vector<TFullDeal> deals = FullDeals(42, TTypeList(1), 3);

    Analyser() {
        analyser.SetSolver(gate.Solver());
        QObject::connect(&analyser, &TDoubleDummyAnalyser::Ready,
                         [this](quint64 g, const TDDAnalysis& a) { ready.emplace_back(g, a); });
    }
    ~Analyser() override { gate.Allow(-1); }
    bool Settle() {
        return QTest::qWaitFor([this] { return analyser.Idle(); }, 60000);
    }
};

} // namespace

TEST(DealKey, CardsCountNotTheirOrderOrStalePositions) {
    TFullDeal deal = FullDeals(7, TTypeList(1), 1).at(0);
    TFullDeal same = deal;
    tSuit& spades = same.Hands[0].Spades;
    std::reverse(spades.Cards.begin(), spades.Cards.begin() + spades.Count);
    if (spades.Count < 13) spades.Cards[12] = 99; // beyond the cards held
    EXPECT_EQ(KeyOf(same), KeyOf(deal));
    std::swap(same.Hands[1], same.Hands[3]);
    EXPECT_NE(KeyOf(same), KeyOf(deal));
}

TEST_F(Analyser, OnlyTheLatestRequestIsAnswered) {
    EXPECT_FALSE(analyser.Request(deals[0]));
    EXPECT_FALSE(analyser.Request(deals[1]));
    const quint64 latest = analyser.Generation();
    gate.Allow(-1);
    ASSERT_TRUE(Settle());
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0].first, latest);
    EXPECT_TRUE(ready[0].second.Solved);
    EXPECT_EQ(ready[0].second.Table, SolveTable(deals[1]));
    EXPECT_EQ(ready[0].second.Par.ScoreNS, ParOf(ready[0].second.Table, 0, "None").ScoreNS);
}

TEST_F(Analyser, APrefetchedDealIsAnsweredAtOnce) {
    analyser.Prefetch(deals[2]);
    gate.Allow(-1);
    ASSERT_TRUE(Settle());
    const std::optional<TDDAnalysis> known = analyser.Request(deals[2]);
    ASSERT_TRUE(known);
    EXPECT_EQ(known->Table, SolveTable(deals[2]));
    EXPECT_TRUE(ready.empty());
    EXPECT_EQ(gate.Started(), 1);
}

TEST_F(Analyser, RequestOfADealBeingPrefetchedWaitsForIt) {
    analyser.Prefetch(deals[0]);
    ASSERT_TRUE(QTest::qWaitFor([this] { return gate.Started() == 1; }, 10000));
    EXPECT_FALSE(analyser.Request(deals[0]));
    gate.Allow(-1);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(gate.Started(), 1) << "solved once";
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_EQ(ready[0].second.Table, SolveTable(deals[0]));
}

TEST_F(Analyser, CancelledRequestIsNotAnswered) {
    EXPECT_FALSE(analyser.Request(deals[0]));
    analyser.Cancel();
    gate.Allow(-1);
    ASSERT_TRUE(Settle());
    EXPECT_TRUE(ready.empty());
}

TEST(AnalyserFailure, IsReportedAndNotKept) {
    TDoubleDummyAnalyser analyser;
    int calls = 0;
    analyser.SetSolver([&calls](const TFullDeal& deal) {
        if (++calls == 1) throw std::runtime_error("double-dummy analysis failed: busy");
        return SolveTable(deal);
    });
    std::vector<TDDAnalysis> ready;
    QObject::connect(&analyser, &TDoubleDummyAnalyser::Ready,
                     [&ready](quint64, const TDDAnalysis& a) { ready.push_back(a); });
    const TFullDeal deal = FullDeals(3, TTypeList(1), 1).at(0);
    EXPECT_FALSE(analyser.Request(deal));
    ASSERT_TRUE(QTest::qWaitFor([&] { return analyser.Idle(); }, 60000));
    ASSERT_EQ(ready.size(), 1u);
    EXPECT_FALSE(ready[0].Solved);
    EXPECT_EQ(ready[0].Error, "Double-dummy analysis failed: busy");
    EXPECT_FALSE(analyser.Request(deal)) << "a failure is asked again";
    ASSERT_TRUE(QTest::qWaitFor([&] { return analyser.Idle(); }, 60000));
    ASSERT_EQ(ready.size(), 2u);
    EXPECT_TRUE(ready[1].Solved);
}

// Many deals in a row through the worker and back, each asked for with the
// next one prefetched: every answer is the table of the deal asked for. Under
// ThreadSanitizer this also checks that each deal and each result crosses
// between the threads visibly synchronised.
TEST(AnalyserHandOver, EveryAnswerIsTheTableOfTheDealAskedFor) {
    constexpr int kDeals = 150;
    // A table that depends on every card, at no solver's cost.
    const auto tableOf = [](const TFullDeal& deal) {
        const TDealKey key = KeyOf(deal);
        TDDTable table;
        for (std::size_t s = 0; s < std::size(table.Tricks); ++s)
            for (std::size_t d = 0; d < std::size(table.Tricks[s]); ++d)
                table.Tricks[s][d] = (key[s * 3 + d] + key[15 - s - d]) % 14;
        return table;
    };
    TDoubleDummyAnalyser analyser;
    analyser.SetSolver(tableOf);
    std::vector<TDDAnalysis> ready;
    QObject::connect(&analyser, &TDoubleDummyAnalyser::Ready,
                     [&ready](quint64, const TDDAnalysis& a) { ready.push_back(a); });
    const std::vector<TFullDeal> deals = FullDeals(11, TTypeList(1), kDeals + 1);
    for (int i = 0; i < kDeals; ++i) {
        ready.clear();
        std::optional<TDDAnalysis> answer = analyser.Request(deals[i]);
        analyser.Prefetch(deals[i + 1]);
        if (!answer) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !ready.empty(); }, 60000)) << i;
            answer = ready.back();
        }
        ASSERT_TRUE(answer->Solved) << i;
        EXPECT_EQ(answer->Table, tableOf(deals[i])) << i;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return analyser.Idle(); }, 60000));
}
