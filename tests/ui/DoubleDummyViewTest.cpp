// The hands window's double-dummy view: off by default and kept with the view
// options, the solver's table of the deal shown, worked out away from the
// user-interface thread so that dealing never waits for it, never the table of
// a deal no longer shown, the same deals with the view on or off, and a
// window that closes and goes away while an analysis runs.
#include "GatedSolver.h"
#include "HandsTestSupport.h"
#include "engine/doubledummy/DoubleDummyText.h"
#include "output/dealtext/BoardRotation.h"
#include "ui/common/MessageSeam.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace kv;
using namespace kv::test;

namespace {

const THandsViewOptions kWithTable{THandToView::Both, false, true};

bool SameCards(const TFullDeal& a, const TFullDeal& b) {
    return KeyOf(a) == KeyOf(b);
}

// The par of board `board` of the session: its dealer and vulnerability by the rotation.
QString ExpectedPar(const TDDTable& table, int board) {
    const TParResult par =
        ParOf(table, static_cast<int>(BoardDealer(board)), BoardVulnerability(board));
    return QStringLiteral("Par: ") + QString::fromUtf8(ParText(par));
}

// A hands window whose solver lets through only what the test allows.
struct GatedWindow : ::testing::Test {
    TSolverGate gate;
    THandsWindow w{kWithTable};
    TTypeList types{THandParam{}};

    GatedWindow() { w.Form->DoubleDummyAnalyser().SetSolver(gate.Solver()); }
    ~GatedWindow() override { gate.Allow(-1); } // before the window waits for its worker

    TDoubleDummyPanel& Panel() const { return *w.Find<TDoubleDummyPanel>("DoubleDummyPanel"); }
    QPushButton* Next() const { return w.Find<QPushButton>("NextHandBtn"); }
    bool WaitForOutstanding(std::size_t n) const {
        return QTest::qWaitFor(
            [this, n] { return w.Form->DoubleDummyAnalyser().Outstanding() == n; }, 60000);
    }
};

int ClientHeight(const THandsWindow& w) {
    return w.Find("ClientArea")->height();
}

} // namespace

TEST(DoubleDummyView, IsOffByDefaultAndAnalysesNothing) {
    THandsWindow w;
    auto* item = w.Find<QAction>("DoubleDummy1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Double dummy");
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    EXPECT_FALSE(w.Find("DoubleDummyPanel")->isVisible());
    EXPECT_EQ(ClientHeight(w), 329);
    EXPECT_EQ(w.Form->DoubleDummyAnalyser().Generation(), 0u);
    EXPECT_TRUE(w.Form->DoubleDummyAnalyser().Idle());
}

TEST(DoubleDummyView, TickingShowsTheTableUnderTheHandsAndTellsTheOptions) {
    THandsWindow w;
    w.Form->show();
    std::vector<THandsViewOptions> told;
    QObject::connect(w.Form.get(), &TGraphicDisplayForm::ViewOptionsChanged,
                     [&told](const THandsViewOptions& o) { told.push_back(o); });
    w.Find<QAction>("DoubleDummy1")->trigger();
    EXPECT_EQ(ClientHeight(w), 329 + 144);
    EXPECT_TRUE(w.Find("DoubleDummyPanel")->isVisible());
    EXPECT_EQ(w.Find("DoubleDummyPanel")->geometry().top(),
              w.Find("SouthPanel")->geometry().bottom() + 1);
    w.Find<QAction>("North1")->trigger();
    EXPECT_EQ(ClientHeight(w), 185 + 144);
    EXPECT_EQ(w.Find("ControlPanel")->geometry().bottom(), 185 + 144 - 1);
    w.Find<QAction>("DoubleDummy1")->trigger();
    EXPECT_EQ(ClientHeight(w), 185);
    EXPECT_FALSE(w.Find("DoubleDummyPanel")->isVisible());
    ASSERT_EQ(told.size(), 3u);
    EXPECT_TRUE(told[0].DoubleDummy);
    EXPECT_TRUE(told[1].DoubleDummy);
    EXPECT_FALSE(told[2].DoubleDummy);
    EXPECT_FALSE(w.Form->ViewOptions().DoubleDummy);
}

TEST(DoubleDummyView, StoredChoiceIsTickedAndShown) {
    THandsWindow w(kWithTable);
    EXPECT_TRUE(w.Find<QAction>("DoubleDummy1")->isChecked());
    w.Form->show();
    EXPECT_TRUE(w.Find("DoubleDummyPanel")->isVisible());
    EXPECT_EQ(ClientHeight(w), 473);
    EXPECT_TRUE(PanelIsEmpty(*w.Find<TDoubleDummyPanel>("DoubleDummyPanel"))) << "no deal yet";
}

TEST(DoubleDummyView, TableIsTheSolversTableOfTheShownDeal) {
    THandsWindow w(kWithTable);
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0;
    const std::vector<TFullDeal> expected = FullDeals(0, types, 2);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    EXPECT_TRUE(SameCards(w.Form->ShownFullDeal(), expected[0]));
    EXPECT_TRUE(SameCards(w.Form->NextFullDeal(), expected[1]));
    auto* panel = w.Find<TDoubleDummyPanel>("DoubleDummyPanel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !PanelIsEmpty(*panel); }, 60000));
    const TDDTable table = SolveTable(expected[0]);
    EXPECT_EQ(PanelTable(*panel), table);
    EXPECT_EQ(panel->ParText(), ExpectedPar(table, 1));
}

TEST_F(GatedWindow, NextHandShowsTheNextTableAndNeverAStaleOne) {
    w.Engine.Random().RandomSeed = 0;
    const std::vector<TFullDeal> expected = FullDeals(0, types, 3);
    ASSERT_TRUE(w.Form->PrepareDeals(types)); // returns with the first analysis held up
    w.Form->show();
    EXPECT_EQ(Panel().ParText(), "Analysing...");

    QTest::mouseClick(Next(), Qt::LeftButton); // dealing does not wait either
    EXPECT_EQ(Next()->text(), "&Next Hand");
    EXPECT_TRUE(SameCards(w.Form->ShownFullDeal(), expected[1]));
    EXPECT_EQ(Panel().ParText(), "Analysing...");

    gate.Allow(1); // the first deal's analysis ends after it was replaced
    ASSERT_TRUE(WaitForOutstanding(2));
    QTest::qWait(50);
    EXPECT_TRUE(PanelIsEmpty(Panel())) << "the replaced deal's table is never shown";
    EXPECT_EQ(Panel().ParText(), "Analysing...");

    gate.Allow(-1);
    ASSERT_TRUE(WaitForOutstanding(0));
    const TDDTable second = SolveTable(expected[1]);
    EXPECT_EQ(PanelTable(Panel()), second);
    EXPECT_EQ(Panel().ParText(), ExpectedPar(second, 2)); // East deals, N-S vulnerable

    // The deal after it was analysed ahead: its table is there before the
    // following deal is even dealt, and nothing was solved for it again.
    const int startedBefore = gate.Started();
    TDDTable duringDealing;
    int startedDuringDealing = -1;
    QTimer::singleShot(0, [&] {
        duringDealing = PanelTable(Panel());
        startedDuringDealing = gate.Started();
    });
    QTest::mouseClick(Next(), Qt::LeftButton);
    EXPECT_TRUE(SameCards(w.Form->ShownFullDeal(), expected[2]));
    EXPECT_EQ(duringDealing, SolveTable(expected[2]));
    EXPECT_EQ(startedDuringDealing, startedBefore);
}

TEST_F(GatedWindow, TurningTheViewOffDropsTheWaitingWork) {
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return gate.Started() == 1; }, 10000));
    w.Find<QAction>("DoubleDummy1")->trigger();
    gate.Allow(-1);
    ASSERT_TRUE(WaitForOutstanding(0));
    EXPECT_EQ(gate.Started(), 1) << "the deal in advance was not analysed";
}

TEST_F(GatedWindow, ClosingAndDestroyingWhileAnalysingIsSafe) {
    TRecordedMessages messages; // answers Yes to giving the boards up
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return gate.Started() == 1; }, 10000));
    w.Form->reject();
    EXPECT_FALSE(w.Form->isVisible());
    std::thread opener([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        gate.Allow(-1);
    });
    w.Form.reset(); // waits for the deal being solved
    opener.join();
    EXPECT_EQ(gate.Started(), 1);
    QTest::qWait(50); // its result, posted to the window gone, is dropped
}

TEST(DoubleDummyView, AFailedAnalysisSaysWhy) {
    THandsWindow w(kWithTable);
    w.Form->DoubleDummyAnalyser().SetSolver([](const TFullDeal&) -> TDDTable {
        throw std::runtime_error("double-dummy analysis failed: Too many cards");
    });
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    auto* panel = w.Find<TDoubleDummyPanel>("DoubleDummyPanel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->ParText() != "Analysing..."; }, 10000));
    EXPECT_EQ(panel->ParText(), "Double-dummy analysis failed: Too many cards");
    EXPECT_TRUE(PanelIsEmpty(*panel));
}

// The deals shown, and the random source after them, with the view on or off.
TEST(DoubleDummyView, SameSeedSameDealsWithTheViewOnOrOff) {
    auto run = [](THandsViewOptions options) {
        THandsWindow w(options);
        TTypeList types(1);
        w.Engine.Random().RandomSeed = 0x5eed;
        std::vector<TDealKey> shown;
        EXPECT_TRUE(w.Form->PrepareDeals(types));
        w.Form->show();
        for (int i = 0; i < 4; ++i) {
            shown.push_back(KeyOf(w.Form->ShownFullDeal()));
            if (options.DoubleDummy) {
                EXPECT_TRUE(
                    QTest::qWaitFor([&] { return w.Form->DoubleDummyAnalyser().Idle(); }, 60000));
            }
            QTest::mouseClick(w.Find<QPushButton>("NextHandBtn"), Qt::LeftButton);
        }
        shown.push_back(KeyOf(w.Form->ShownFullDeal()));
        shown.push_back(KeyOf(w.Form->NextFullDeal()));
        return std::tuple{shown, w.Engine.Random().RandomSeed, w.Engine.Random().Draws()};
    };
    const auto off = run({});
    const auto on = run(kWithTable);
    EXPECT_EQ(std::get<0>(on), std::get<0>(off));
    EXPECT_EQ(std::get<1>(on), std::get<1>(off));
    EXPECT_EQ(std::get<2>(on), std::get<2>(off));
    std::vector<TDealKey> reference;
    for (const TFullDeal& d : FullDeals(0x5eed, TTypeList(1), 6))
        reference.push_back(KeyOf(d));
    EXPECT_EQ(std::get<0>(off), reference);
}
