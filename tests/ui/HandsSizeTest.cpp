// The size of the hands window's cards: the window shrinks no further than
// the tens can be read, and the size the user gives it is told as a view
// option and taken again by a new window.
#include "HandsTestSupport.h"
#include "output/cardfaces/CardFaceCache.h"
#include "output/cardfaces/CardIndex.h"
#include "output/cardfaces/FaceCanvas.h"
#include "ui/hands/src/HandPanel.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <vector>

using namespace kv;
using namespace kv::test;

namespace {

constexpr int kTenOfSpades = kSpadesBase + 10;

// Across the middle rows of a ten's corner index (card rows 7 to 12): the ink
// of the 1, paper, the left stroke of the 0, the paper inside it, its right
// stroke. The ten reads as a ten when both stretches of paper are at least
// 100 grey levels lighter than the ink on either side; where they are not,
// the 1 and the 0 run together ("I0", or a blot).
bool TenReadsAsTen(const QImage& card, double scale) {
    const int top = DeviceEdge(7, scale), bottom = DeviceEdge(13, scale);
    std::vector<int> darkness;
    for (int x = DeviceEdge(2, scale); x < DeviceEdge(13, scale); ++x) {
        int sum = 0;
        for (int y = top; y < bottom; ++y)
            sum += 255 - qGray(card.pixel(x, y));
        darkness.push_back(sum / (bottom - top));
    }
    // Alternate maxima and minima from the left: ink, paper, ink, paper, ink.
    std::vector<int> extremes;
    bool rising = true;
    for (std::size_t i = 0; i < darkness.size(); ++i, rising = !rising) {
        while (i + 1 < darkness.size() &&
               (rising ? darkness[i + 1] >= darkness[i] : darkness[i + 1] <= darkness[i]))
            ++i;
        extremes.push_back(darkness[i]);
    }
    if (extremes.size() < 5) return false;
    for (std::size_t paper = 1; paper <= 3; paper += 2)
        if (std::min(extremes[paper - 1], extremes[paper + 1]) - extremes[paper] < 100)
            return false;
    return true;
}

// Resizes the window to `client` (its minimum when smaller) and lets it settle.
void ResizeClient(THandsWindow& w, QSize client) {
    const QSize frame = w.Form->size() - w.Find("ClientArea")->size();
    w.Form->resize(client + frame);
    QApplication::processEvents();
}

} // namespace

TEST(HandsSize, EveryCardSizeTheWindowAllowsShowsTheTenAsATen) {
    EXPECT_TRUE(TenReadsAsTen(RenderCardImage(kTenOfSpades, 1.0), 1.0)) << "the measure itself";
    EXPECT_FALSE(TenReadsAsTen(RenderCardImage(kTenOfSpades, 0.72), 0.72)) << "the measure itself";
    for (int size = MinCardSize(); size <= MaxCardSize(); ++size) {
        const double scale =
            TCardFaceCache::ScaleOfWidth(TCardFaceCache::WidthAtScale(size / 100.0));
        EXPECT_TRUE(TenReadsAsTen(RenderCardImage(kTenOfSpades, scale), scale)) << size << "%";
    }
}

TEST(HandsSize, TheSmallestWindowDrawsItsTensReadably) {
    THandsWindow w;
    TBoardDeal board;
    tSuit& spades = board.Deal.Hands[kSouthSeat].Spades;
    spades.Cards[spades.Count++] = 10;
    ASSERT_TRUE(w.Form->PrepareImported({board}, QStringLiteral("ten.pbn")));
    w.Form->show();
    ResizeClient(w, {1, 1});
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), MinCardSize() / 100.0);
    const QImage& row = w.Form->findChild<THandPanel*>("SouthPanel")->Image();
    const double scale = TCardFaceCache::ScaleOfWidth(
        TCardFaceCache::WidthAtScale(w.Form->Zoom() * w.Form->devicePixelRatioF()));
    EXPECT_TRUE(TenReadsAsTen(row, scale)) << "at " << scale << " device pixels a card pixel";
}

// Told once for each whole percent, not for every pixel of a drag.
TEST(HandsSize, TheCardSizeTheUserChoosesIsToldAndOpensTheNextWindow) {
    THandsWindow w;
    w.Form->show();
    std::vector<int> told;
    QObject::connect(w.Form.get(), &TGraphicDisplayForm::ViewOptionsChanged,
                     [&told](const THandsViewOptions& o) { told.push_back(o.CardSize); });
    ResizeClient(w, {443, 432 + 41});
    ResizeClient(w, {444, 432 + 41}); // the height decides: still 150%
    EXPECT_EQ(told, std::vector<int>{150});
    EXPECT_EQ(w.Form->ViewOptions().CardSize, 150);

    THandsViewOptions options;
    options.CardSize = 150;
    THandsWindow next(options);
    next.Form->show();
    EXPECT_DOUBLE_EQ(next.Form->Zoom(), 1.5);
    EXPECT_EQ(next.Find("ClientArea")->size(), QSize(443, 432 + 41));
}
