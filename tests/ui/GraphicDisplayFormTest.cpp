// The hands window as built and as the View menu changes it: controls and
// captions, the card images built at creation, the client heights of the three
// views and the values they store, the suit orders drawn, and F1.
#include "HandsTestSupport.h"
#include "output/cardfaces/CardRow.h"
#include "ui/hands/src/HandPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

tHand SpadesOnly(std::initializer_list<std::uint8_t> ranks) {
    tHand hand;
    for (const std::uint8_t r : ranks)
        hand.Spades.Cards[hand.Spades.Count++] = r;
    return hand;
}

// The expected image of a row: the table, then each card at i * 14.
QImage ExpectedRow(const std::vector<int>& row, const TCardImages& images) {
    QImage image(kHandImageWidth, kHandImageHeight, QImage::Format_RGB32);
    image.fill(kTableColour);
    for (std::size_t i = 0; i < row.size(); ++i)
        images.DrawCard(image, row[i], int(i) * kCardStep, 0);
    return image;
}

int ClientHeight(const THandsWindow& w) {
    return w.Find("ClientArea")->height();
}

} // namespace

TEST(HandsWindow, IsCreatedHiddenWithItsControlsAndCaptions) {
    THandsWindow w;
    EXPECT_FALSE(w.Form->isVisible());
    EXPECT_EQ(w.Form->windowTitle(), "Hands");
    for (const char* name :
         {"NorthPanel", "SouthPanel", "NorthImage", "SouthImage", "ControlPanel"})
        EXPECT_NE(w.Find(name), nullptr) << name;
    EXPECT_EQ(w.Find<QLabel>("NorthLabel")->text(), "North");
    EXPECT_EQ(w.Find<QLabel>("SouthLabel")->text(), "South");
    auto* next = w.Find<QPushButton>("NextHandBtn");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->text(), "&Next Hand");
    EXPECT_TRUE(next->isDefault());
    EXPECT_EQ(w.Find("ControlPanel")->height(), 41);
    EXPECT_EQ(w.Find<QMenu>("View1")->title(), "&View");
    EXPECT_EQ(w.Find<QMenu>("Hand1")->title(), "&Hand");
    EXPECT_EQ(w.Find<QMenu>("Sortorder1")->title(), "&Sort order");
    const std::pair<const char*, const char*> items[] = {{"North1", "&North"},
                                                         {"South1", "&South"},
                                                         {"Both1", "&Both"},
                                                         {"Alternatecolors1", "&Alternate colors"},
                                                         {"Suitrank1", "Suit &rank"}};
    for (const auto& [name, caption] : items) {
        auto* item = w.Find<QAction>(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->text(), caption);
        EXPECT_TRUE(item->isCheckable());
        EXPECT_TRUE(item->actionGroup()->isExclusive());
    }
}

TEST(HandsWindow, GeometryFollowsTheCardSize) {
    THandsWindow w;
    w.Form->show();
    EXPECT_EQ(w.Find("ClientArea")->width(), 295);
    EXPECT_EQ(w.Find("NorthPanel")->height(), 144);
    EXPECT_EQ(w.Find("SouthImage")->geometry(), QRect(28, 24, 239, 96));
    EXPECT_EQ(w.Find("NorthImage")->geometry(), QRect(28, 24, 239, 96));
    // Both images start as the bare table.
    const QImage& south = w.Form->findChild<THandPanel*>("SouthPanel")->Image();
    EXPECT_EQ(south.pixel(0, 0), kTableColour);
    EXPECT_EQ(south.pixel(238, 95), kTableColour);
}

// Start-up seeds the random source a second time once this window is made;
// the window itself leaves the source alone.
TEST(HandsWindow, CreationBuildsTheCardImagesAndLeavesTheRandomSource) {
    TDealEngine engine;
    TQtEngineHost host;
    engine.Random().RandomSeed = -1;
    TGraphicDisplayForm form(engine, host, {});
    EXPECT_TRUE(form.CardImages().Built());
    EXPECT_EQ(engine.Random().RandomSeed, -1);
    EXPECT_EQ(engine.Random().Draws(), 0u);
}

TEST(HandsWindow, HandItemsSetHeights185_185_329AndStore0_1_2) {
    THandsWindow w;
    w.Form->show();
    std::vector<THandsViewOptions> stored;
    QObject::connect(w.Form.get(), &TGraphicDisplayForm::ViewOptionsChanged,
                     [&stored](const THandsViewOptions& o) { stored.push_back(o); });
    EXPECT_EQ(ClientHeight(w), 329); // Both by default

    w.Find<QAction>("North1")->trigger();
    EXPECT_EQ(ClientHeight(w), 185);
    EXPECT_TRUE(w.Find("NorthPanel")->isVisible());
    EXPECT_FALSE(w.Find("SouthPanel")->isVisible());
    EXPECT_EQ(w.Find("ControlPanel")->geometry().bottom(), 184); // at the bottom edge again

    w.Find<QAction>("South1")->trigger();
    EXPECT_EQ(ClientHeight(w), 185);
    EXPECT_FALSE(w.Find("NorthPanel")->isVisible());
    EXPECT_TRUE(w.Find("SouthPanel")->isVisible());

    w.Find<QAction>("Both1")->trigger();
    EXPECT_EQ(ClientHeight(w), 329);
    EXPECT_TRUE(w.Find("NorthPanel")->isVisible());
    EXPECT_TRUE(w.Find("SouthPanel")->isVisible());

    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(int(stored[0].HandToView), 0);
    EXPECT_EQ(int(stored[1].HandToView), 1);
    EXPECT_EQ(int(stored[2].HandToView), 2);
    EXPECT_EQ(int(w.Form->ViewOptions().HandToView), 2);
}

TEST(HandsWindow, StoredChoiceIsTickedAndAppliedAtEachOpening) {
    for (const auto& [view, item, height] : {std::tuple{THandToView::North, "North1", 185},
                                             std::tuple{THandToView::South, "South1", 185},
                                             std::tuple{THandToView::Both, "Both1", 329}}) {
        THandsWindow w({view, false});
        w.Form->show();
        EXPECT_TRUE(w.Find<QAction>(item)->isChecked()) << item;
        EXPECT_EQ(ClientHeight(w), height) << item;
        w.Form->hide();
        w.Form->show(); // closing and reopening keeps the choice
        EXPECT_TRUE(w.Find<QAction>(item)->isChecked()) << item;
        EXPECT_EQ(ClientHeight(w), height) << item;
    }
}

TEST(HandsWindow, StoredSortOrderIsTickedAtCreation) {
    THandsWindow byRank({THandToView::Both, true});
    EXPECT_TRUE(byRank.Find<QAction>("Suitrank1")->isChecked());
    THandsWindow alternate({THandToView::Both, false});
    EXPECT_TRUE(alternate.Find<QAction>("Alternatecolors1")->isChecked());
}

TEST(HandsWindow, AceKingTwoIsDrawnAceKingTwoFromTheLeft) {
    THandsWindow w;
    TBoardDeal board;
    board.Deal.Hands[kSouthSeat] = SpadesOnly({2, 13, 14});
    ASSERT_TRUE(w.Form->PrepareImported({board}, QStringLiteral("board.pbn")));
    const QImage& image = w.Form->findChild<THandPanel*>("SouthPanel")->Image();
    const TCardImages& cards = w.Form->CardImages();
    // Of every card but the last only its left 14 pixels show.
    for (int y = 2; y < 94; ++y) {
        for (int x = 0; x < 14; ++x) {
            ASSERT_EQ(image.pixel(x, y), cards.Image(40).pixel(x, y)) << "ace " << x << "," << y;
            ASSERT_EQ(image.pixel(14 + x, y), cards.Image(52).pixel(x, y))
                << "king " << x << "," << y;
        }
        for (int x = 0; x < 71; ++x)
            ASSERT_EQ(image.pixel(28 + x, y), cards.Image(41).pixel(x, y));
        ASSERT_EQ(image.pixel(28 + 71, y), kTableColour);
    }
    EXPECT_EQ(image.pixel(0, 0), kTableColour); // the ace's transparent corner
}

TEST(HandsWindow, SortOrderRedrawsAtOnceWithoutDealing) {
    THandsWindow w;
    TTypeList types(1);
    w.Engine.Random().RandomSeed = 0;
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    const std::uint64_t draws = w.Engine.Random().Draws();
    const auto* south = w.Form->findChild<THandPanel*>("SouthPanel");
    const auto* north = w.Form->findChild<THandPanel*>("NorthPanel");
    const TCardImages& cards = w.Form->CardImages();
    EXPECT_EQ(south->Image(), ExpectedRow(CardRow(w.Form->ShownFullDeal().South(), false), cards));

    w.Find<QAction>("Suitrank1")->trigger();
    EXPECT_TRUE(w.Form->ViewOptions().SortSuitsByRank);
    EXPECT_EQ(south->Image(), ExpectedRow(CardRow(w.Form->ShownFullDeal().South(), true), cards));
    EXPECT_EQ(north->Image(), ExpectedRow(CardRow(w.Form->ShownFullDeal().North(), true), cards));
    // From seed 0 South holds all four suits: the two orders differ.
    EXPECT_NE(CardRow(w.Form->ShownFullDeal().South(), true),
              CardRow(w.Form->ShownFullDeal().South(), false));

    w.Find<QAction>("Alternatecolors1")->trigger();
    EXPECT_FALSE(w.Form->ViewOptions().SortSuitsByRank);
    EXPECT_EQ(south->Image(), ExpectedRow(CardRow(w.Form->ShownFullDeal().South(), false), cards));
    EXPECT_EQ(w.Engine.Random().Draws(), draws);
}

TEST(HandsWindow, BothRowsAreDrawnWhicheverHandIsShown) {
    THandsWindow w({THandToView::South, false});
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    const auto* north = w.Form->findChild<THandPanel*>("NorthPanel");
    EXPECT_EQ(north->Image(),
              ExpectedRow(CardRow(w.Form->ShownFullDeal().North(), false), w.Form->CardImages()));
}

TEST(HandsWindow, F1AsksForHelpContext7) {
    THandsWindow w;
    w.Form->show();
    QApplication::setActiveWindow(w.Form.get());
    std::vector<int> contexts;
    QObject::connect(w.Form.get(), &TGraphicDisplayForm::HelpRequested,
                     [&contexts](int c) { contexts.push_back(c); });
    w.Find("NextHandBtn")->setFocus();
    QTest::keyRelease(w.Find("NextHandBtn"), Qt::Key_F1);
    EXPECT_EQ(contexts, std::vector<int>{7});
}
