// The hands window's view of all four hands in the compass layout, its
// resizing with the cards drawn at the size it is given, and sessions of
// boards read from a file: their own numbers, dealers and vulnerabilities,
// and hands a file leaves out shown as unknown.
#include "HandsTestSupport.h"
#include "output/cardfaces/CardRow.h"
#include "output/cardfaces/FaceCanvas.h"
#include "ui/hands/src/DoubleDummyPanel.h"
#include "ui/hands/src/HandPanel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

constexpr const char* kSeats[4] = {"North", "East", "South", "West"};

// The expected image of a row at a zoom: the table, then each card i at
// i * 14 card pixels, drawn at the scale of whole device pixels nearest to
// that zoom (the card 71 pixels wide at 1, 107 at 1.5, 142 at 2).
QImage ExpectedRow(const std::vector<int>& row, double zoom) {
    const double scale = TCardFaceCache::ScaleOfWidth(TCardFaceCache::WidthAtScale(zoom));
    QImage image(DeviceEdge(kHandImageWidth, scale), DeviceEdge(kHandImageHeight, scale),
                 QImage::Format_RGB32);
    image.fill(kTableColour);
    for (std::size_t i = 0; i < row.size(); ++i)
        DrawTransparent(image, RenderCardImage(row[i], scale),
                        DeviceEdge(double(i) * kCardStep, scale), 0);
    return image;
}

const THandPanel* Panel(const THandsWindow& w, int seat) {
    return w.Form->findChild<THandPanel*>(QString::fromLatin1(kSeats[seat]) + "Panel");
}

QSize ClientSize(const THandsWindow& w) {
    return w.Find("ClientArea")->size();
}

// Resizes the window so that its client area is `client`.
void ResizeClient(THandsWindow& w, QSize client) {
    const QSize frame = w.Form->size() - ClientSize(w);
    w.Form->resize(client + frame);
    QApplication::processEvents();
}

// A board of a file: all four hands dealt from the seed, some left out.
TBoardDeal FileBoard(int number, TSeat dealer, const char* vulnerable, std::array<bool, 4> known,
                     std::int32_t seed) {
    TBoardDeal board = RotationBoard(FullDeals(seed, TTypeList(1), 1).at(0), number);
    board.Dealer = dealer;
    board.Vulnerable = vulnerable;
    board.Known = known;
    for (std::size_t seat = 0; seat < 4; ++seat)
        if (!known[seat]) board.Deal.Hands[seat] = tHand();
    return board;
}

} // namespace

TEST(HandsViewAll, AllFourHandsStandInTheCompass) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    std::vector<THandsViewOptions> stored;
    QObject::connect(w.Form.get(), &TGraphicDisplayForm::ViewOptionsChanged,
                     [&stored](const THandsViewOptions& o) { stored.push_back(o); });
    auto* all = w.Find<QAction>("All1");
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->text(), "&All four hands");
    all->trigger();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].HandToView, THandToView::All);
    EXPECT_EQ(HandToViewText(stored[0].HandToView), "All");
    EXPECT_EQ(ClientSize(w), QSize(590, 3 * 144 + 41));
    const QRect places[4] = {
        {147, 0, 295, 144}, {295, 144, 295, 144}, {147, 288, 295, 144}, {0, 144, 295, 144}};
    const TFullDeal deal = w.Form->ShownFullDeal();
    for (int seat = 0; seat < 4; ++seat) {
        const THandPanel* panel = Panel(w, seat);
        EXPECT_TRUE(panel->isVisible()) << kSeats[seat];
        EXPECT_EQ(panel->geometry(), places[seat]) << kSeats[seat];
        EXPECT_EQ(panel->Label()->text(), kSeats[seat]);
        EXPECT_EQ(panel->Image(), ExpectedRow(CardRow(deal.Hands[std::size_t(seat)], false), 1.0))
            << kSeats[seat];
    }
    w.Find<QAction>("Both1")->trigger(); // back to the two hands, as before
    EXPECT_EQ(ClientSize(w), QSize(295, 329));
    EXPECT_FALSE(Panel(w, 1)->isVisible());
    EXPECT_FALSE(Panel(w, 3)->isVisible());
}

TEST(HandsViewAll, StoredAllIsTickedAndTheTableGoesUnderTheHands) {
    THandsWindow w({THandToView::All, false, true});
    w.Form->show();
    EXPECT_TRUE(w.Find<QAction>("All1")->isChecked());
    // The screen of the tests is 600 high: the window takes the zoom it can hold.
    const double zoom = w.Form->Zoom();
    EXPECT_LE(zoom, 1.0);
    const QRect south = Panel(w, 2)->geometry();
    const QRect table = w.Find("DoubleDummyPanel")->geometry();
    EXPECT_TRUE(w.Find("DoubleDummyPanel")->isVisible());
    EXPECT_EQ(table.top(), south.bottom() + 1);
    EXPECT_EQ(table.left(), south.left());
    EXPECT_EQ(table.size(), QSize(Zoomed(295, zoom), Zoomed(144, zoom)));
    EXPECT_LE(w.Form->frameGeometry().height(), w.Form->screen()->availableGeometry().height());
}

TEST(HandsViewAll, ResizingDrawsTheCardsAtTheNewSize) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    const std::vector<int> south = CardRow(w.Form->ShownFullDeal().Hands[2], false);
    const auto* panel = Panel(w, 2);

    ResizeClient(w, {590, 2 * 288 + 41});
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), 2.0);
    EXPECT_EQ(w.Find("SouthImage")->geometry(), QRect(56, 48, 478, 192));
    EXPECT_EQ(panel->Image(), ExpectedRow(south, 2.0));

    ResizeClient(w, {443, 432 + 41}); // one and a half
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), 1.5);
    EXPECT_EQ(panel->Image(), ExpectedRow(south, 1.5));

    ResizeClient(w, {295, 329}); // the default size again: exactly as before
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), 1.0);
    EXPECT_EQ(panel->Image().size(), QSize(239, 96));
    QImage expected(239, 96, QImage::Format_RGB32);
    expected.fill(kTableColour);
    for (std::size_t i = 0; i < south.size(); ++i)
        w.Form->CardImages().DrawCard(expected, south[i], int(i) * 14, 0);
    EXPECT_EQ(panel->Image(), expected);
}

TEST(HandsViewAll, AWiderWindowKeepsTheTableCentred) {
    THandsWindow w;
    w.Form->show();
    ResizeClient(w, {495, 329});
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), 1.0); // the height decides
    EXPECT_EQ(Panel(w, 0)->geometry(), QRect(100, 0, 295, 144));
}

TEST(HandsViewAll, TheZoomTheUserChoseIsKeptForTheNextView) {
    THandsWindow w;
    w.Form->show();
    ResizeClient(w, {443, 432 + 41});
    ASSERT_DOUBLE_EQ(w.Form->Zoom(), 1.5);
    w.Find<QAction>("North1")->trigger();
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), 1.5);
    EXPECT_EQ(ClientSize(w), QSize(443, 216 + 41));
}

TEST(HandsViewAll, TheWindowIsResizableDownToASmallerZoom) {
    THandsWindow w;
    w.Form->show();
    EXPECT_FALSE(w.Form->windowFlags() & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_LT(w.Form->minimumHeight(), w.Form->height());
    EXPECT_GT(w.Form->maximumHeight(), w.Form->height());
}

TEST(ImportedSession, BoardsKeepTheirOwnNumbersDealersAndVulnerabilities) {
    THandsWindow w({THandToView::All, false, false});
    const std::vector<TBoardDeal> boards = {
        FileBoard(7, TSeat::South, "All", {true, true, true, true}, 11),
        FileBoard(8, TSeat::West, "None", {true, false, true, false}, 12),
    };
    ASSERT_TRUE(w.Form->PrepareImported(boards, "tonight.pbn"));
    w.Form->show();
    EXPECT_EQ(w.Find<QLabel>("BoardLabel")->text(), "Board 7");
    EXPECT_EQ(w.Find<QLabel>("DealerLabel")->text(), "Dealer S, Vul Both");
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(Panel(w, seat)->Image(),
                  ExpectedRow(CardRow(boards[0].Deal.Hands[std::size_t(seat)], false), 1.0));
    auto* next = w.Find<QPushButton>("NextHandBtn");
    EXPECT_TRUE(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(w.Find<QLabel>("BoardLabel")->text(), "Board 8");
    EXPECT_EQ(w.Find<QLabel>("DealerLabel")->text(), "Dealer W, Vul None");
    EXPECT_FALSE(next->isEnabled()) << "an imported session ends with its last board";
    EXPECT_TRUE(w.Find<QPushButton>("PreviousHandBtn")->isEnabled());
    EXPECT_EQ(w.Engine.Random().Draws(), 0u);
    // East and West are not in the file: no card is drawn for them.
    for (const int seat : {1, 3}) {
        const QImage& image = Panel(w, seat)->Image();
        EXPECT_NE(image, ExpectedRow({}, 1.0)) << "the image says the hand is unknown";
        int cardOutline = 0;
        for (int y = 0; y < image.height(); ++y)
            cardOutline += image.pixel(2, y) == kCardBlack;
        EXPECT_EQ(cardOutline, 0) << kSeats[seat];
    }
    EXPECT_EQ(Panel(w, 0)->Image(), ExpectedRow(CardRow(boards[1].Deal.Hands[0], false), 1.0));
}

TEST(ImportedSession, ABoardWithoutAllFourHandsIsNotAnalysed) {
    THandsWindow w({THandToView::Both, false, true});
    ASSERT_TRUE(w.Form->PrepareImported(
        {FileBoard(1, TSeat::North, "None", {true, false, true, true}, 5)}, "part.pbn"));
    w.Form->show();
    auto* panel = w.Find<TDoubleDummyPanel>("DoubleDummyPanel");
    EXPECT_EQ(panel->ParText(), "All four hands are needed.");
    EXPECT_TRUE(panel->CellText(0, 0).isEmpty());
    EXPECT_TRUE(w.Form->DoubleDummyAnalyser().Idle());
}

TEST(ImportedSession, NothingIsShownForNoBoards) {
    THandsWindow w;
    EXPECT_FALSE(w.Form->PrepareImported({}, "empty.pbn"));
    EXPECT_TRUE(w.Form->Session().Empty());
}
