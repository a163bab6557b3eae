// The hands window's session: "&Previous Hand" and "&Next Hand" browse over
// the deals already shown, and the deals of a seed stay the command-line
// program's deals of that seed, in the same order, however the user browses;
// the board number, dealer and vulnerability shown with each; the buttons at
// the ends of the session.
#include "HandsTestSupport.h"
#include "RunTool.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"
#include "ui/common/MessageSeam.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <sstream>

using namespace kv;
using namespace kv::test;

namespace {

// The deal texts the command-line program makes from `seed` with its one
// default type, the hands window's type list here.
std::vector<std::string> ToolDeals(std::int32_t seed, int count) {
    const TToolFolder folder;
    char seedText[16];
    std::snprintf(seedText, sizeof seedText, "%08X", static_cast<unsigned>(seed));
    const TToolRun run =
        folder.Run(std::string("--seed ") + seedText + " --count " + std::to_string(count));
    EXPECT_EQ(run.Status, 0) << run.Err;
    std::vector<std::string> deals;
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);)
        deals.push_back(line);
    return deals;
}

std::string TextOf(const TFullDeal& d) {
    return DealText(d.Hands[0], d.Hands[1], d.Hands[2], d.Hands[3]);
}

QPushButton* Button(const THandsWindow& w, const char* name) {
    return w.Find<QPushButton>(name);
}

QString BoardCaption(const THandsWindow& w) {
    return w.Find<QLabel>("BoardLabel")->text() + "\n" + w.Find<QLabel>("DealerLabel")->text();
}

struct TBrowseRow {
    const char* Name;
    std::int32_t Seed;
    const char* Moves; // N for "&Next Hand", P for "&Previous Hand"
};

class BrowsingKeepsTheDealsOfTheSeed : public ::testing::TestWithParam<TBrowseRow> {};

} // namespace

TEST_P(BrowsingKeepsTheDealsOfTheSeed, EveryDealShownIsTheToolsDealOfItsBoard) {
    const TBrowseRow& row = GetParam();
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = row.Seed;
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    // Where each move should lead: the board after, or before, the one shown.
    std::vector<int> boards{1};
    std::vector<std::string> shown{TextOf(w.Form->ShownFullDeal())};
    for (const char* move = row.Moves; *move != '\0'; ++move) {
        const bool next = *move == 'N';
        QTest::mouseClick(Button(w, next ? "NextHandBtn" : "PreviousHandBtn"), Qt::LeftButton);
        boards.push_back(next ? boards.back() + 1 : std::max(1, boards.back() - 1));
        shown.push_back(TextOf(w.Form->ShownFullDeal()));
        ASSERT_EQ(w.Form->Session().Current().Board, boards.back()) << "move " << shown.size() - 1;
    }
    const int last = *std::max_element(boards.begin(), boards.end());
    // The window has dealt the boards shown and one in advance, no more.
    const std::vector<std::string> tool = ToolDeals(row.Seed, last + 1);
    ASSERT_EQ(tool.size(), std::size_t(last + 1));
    for (std::size_t k = 0; k < shown.size(); ++k)
        EXPECT_EQ(shown[k], tool[std::size_t(boards[k] - 1)]) << "move " << k;
    EXPECT_EQ(TextOf(w.Form->NextFullDeal()), tool.back());
    ASSERT_EQ(w.Form->Session().Count(), std::size_t(last));
    for (int board = 1; board <= last; ++board)
        EXPECT_EQ(TextOf(w.Form->Session().Boards()[std::size_t(board - 1)].Deal),
                  tool[std::size_t(board - 1)]);
    // The random source stands where the tool's would after the boards shown:
    // the deal made in advance is held, not drawn.
    TDealEngine reference;
    TRecordingHost host;
    reference.Random().RandomSeed = row.Seed;
    TTypeList referenceTypes(1);
    for (int k = 0; k < last; ++k)
        ASSERT_TRUE(GenerateDeal(reference, referenceTypes, host).Dealt());
    EXPECT_EQ(w.Engine.Random().RandomSeed, reference.Random().RandomSeed);
    EXPECT_EQ(w.Engine.Random().Draws(), reference.Random().Draws());
}

INSTANTIATE_TEST_SUITE_P(
    Moves, BrowsingKeepsTheDealsOfTheSeed,
    ::testing::Values(TBrowseRow{"ForwardOnly", 0x00001234, "NNNNN"},
                      TBrowseRow{"BackToTheFirstAndOn", 0x2C3D4E5F, "NNNPPPPNNNNNN"},
                      TBrowseRow{"ZigZag", 7, "NPNPNNPPNNNPN"},
                      TBrowseRow{"BackFromTheFirstDoesNothing", 0, "PPNPPN"},
                      TBrowseRow{"HighSeed", static_cast<std::int32_t>(0xDEADBEEF), "NNPNPPNNN"}),
    [](const ::testing::TestParamInfo<TBrowseRow>& info) { return info.param.Name; });

TEST(HandsSession, BrowsingOverKeptDealsDrawsNoRandomNumber) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    const std::uint64_t draws = w.Engine.Random().Draws();
    QTest::mouseClick(Button(w, "PreviousHandBtn"), Qt::LeftButton);
    QTest::mouseClick(Button(w, "PreviousHandBtn"), Qt::LeftButton);
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    EXPECT_EQ(w.Engine.Random().Draws(), draws);
    EXPECT_EQ(w.Form->Session().Current().Board, 3);
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton); // past the end: deals
    EXPECT_GT(w.Engine.Random().Draws(), draws);
    EXPECT_EQ(w.Form->Session().Current().Board, 4);
}

TEST(HandsSession, PreviousIsDisabledOnTheFirstBoardOnly) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    EXPECT_EQ(Button(w, "PreviousHandBtn")->text(), "&Previous Hand");
    EXPECT_FALSE(Button(w, "PreviousHandBtn")->isEnabled()); // board 1
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    EXPECT_TRUE(Button(w, "PreviousHandBtn")->isEnabled()); // board 2
    QTest::mouseClick(Button(w, "PreviousHandBtn"), Qt::LeftButton);
    EXPECT_FALSE(Button(w, "PreviousHandBtn")->isEnabled());
    EXPECT_TRUE(Button(w, "NextHandBtn")->isEnabled());
}

TEST(HandsSession, CaptionShowsTheBoardItsDealerAndItsVulnerability) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    const char* const captions[] = {"Board 1\nDealer N, Vul None", "Board 2\nDealer E, Vul N-S",
                                    "Board 3\nDealer S, Vul E-W", "Board 4\nDealer W, Vul Both",
                                    "Board 5\nDealer N, Vul N-S"};
    for (const char* caption : captions) {
        EXPECT_EQ(BoardCaption(w), caption);
        QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    }
    QTest::mouseClick(Button(w, "PreviousHandBtn"), Qt::LeftButton);
    EXPECT_EQ(BoardCaption(w), captions[4]);
}

TEST(HandsSession, PageKeysBrowseLikeTheButtons) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    QApplication::setActiveWindow(w.Form.get());
    QTest::keyClick(w.Form.get(), Qt::Key_PageDown);
    EXPECT_EQ(w.Form->Session().Current().Board, 2);
    QTest::keyClick(w.Form.get(), Qt::Key_PageUp);
    EXPECT_EQ(w.Form->Session().Current().Board, 1);
}

TEST(HandsSession, ANewOpeningStartsANewSessionFromTheSeedThen) {
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 99;
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    const std::int32_t seedBefore = w.Engine.Random().RandomSeed;
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    EXPECT_EQ(w.Form->Session().Count(), 1u);
    EXPECT_EQ(w.Form->Session().Seed(), seedBefore);
    EXPECT_EQ(w.Form->Session().Current().Board, 1);
}

TEST(HandsSession, AfterAFailedDealTheNextPressDealsANewBoard) {
    // The generator finds nothing to deal once the list is emptied: no board
    // is added and nothing is drawn. With the type back, the next press deals
    // board 2 from where board 1 left the seed.
    TRecordedMessages messages;
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0x600D;
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    types.clear();
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    ASSERT_EQ(messages.Shown().size(), 1u);
    ASSERT_EQ(w.Form->Session().Count(), 1u);
    types.resize(1);
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    ASSERT_EQ(w.Form->Session().Count(), 2u);
    const std::vector<std::string> tool = ToolDeals(0x600D, 3);
    ASSERT_EQ(tool.size(), 3u);
    for (std::size_t k = 0; k < 2; ++k)
        EXPECT_EQ(TextOf(w.Form->Session().Boards()[k].Deal), tool[k]) << k;
    EXPECT_EQ(TextOf(w.Form->ShownFullDeal()), tool[1]);
    EXPECT_EQ(TextOf(w.Form->NextFullDeal()), tool[2]);
    w.Form->hide();
}

TEST(HandsSession, PrintTheseHandsHandsTheWholeSessionToThePrintDialog) {
    THandsWindow w;
    auto* print = w.Find<QAction>("PrintTheseHands1");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), "&Print These Hands...");
    EXPECT_FALSE(print->isEnabled()) << "no print dialog to open";
    std::vector<std::vector<int>> printed;
    QWidget* parent = nullptr;
    THandsWindowLinks links;
    links.PrintSession = [&](QWidget* p, const TDealSession& session) {
        parent = p;
        std::vector<int> numbers;
        for (const TBoardDeal& board : session.Boards())
            numbers.push_back(board.Board);
        printed.push_back(numbers);
        return true;
    };
    w.Form->SetLinks(links);
    EXPECT_FALSE(print->isEnabled()) << "no deal yet";
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    QTest::mouseClick(Button(w, "NextHandBtn"), Qt::LeftButton);
    QTest::mouseClick(Button(w, "PreviousHandBtn"), Qt::LeftButton);
    const std::uint64_t draws = w.Engine.Random().Draws();
    ASSERT_TRUE(print->isEnabled());
    print->trigger();
    EXPECT_EQ(printed, (std::vector<std::vector<int>>{{1, 2, 3}}));
    EXPECT_EQ(parent, w.Form.get());
    EXPECT_EQ(w.Engine.Random().Draws(), draws);
}
