// The hands window at 200% scaling (run with QT_SCALE_FACTOR=2): the window
// keeps its size in logical pixels, and its cards are drawn at twice the
// pixels, not enlarged from the 71 x 96 faces.
#include "HandsTestSupport.h"
#include "output/cardfaces/CardRow.h"
#include "output/cardfaces/FaceCanvas.h"
#include "ui/hands/src/HandPanel.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

TEST(HandsHiDpi, CardsAreDrawnAtTwiceThePixelsInTheSameWindow) {
    THandsWindow w;
    TTypeList types(1);
    ASSERT_TRUE(w.Form->PrepareDeals(types));
    w.Form->show();
    ASSERT_DOUBLE_EQ(w.Form->devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    EXPECT_EQ(w.Find("ClientArea")->size(), QSize(295, 329));
    EXPECT_DOUBLE_EQ(w.Form->Zoom(), 1.0);
    const auto* south = w.Form->findChild<THandPanel*>("SouthPanel");
    EXPECT_EQ(w.Find("SouthImage")->size(), QSize(239, 96));
    const QImage& image = south->Image();
    EXPECT_EQ(image.size(), QSize(478, 192));
    EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 2.0);
    QImage expected(478, 192, QImage::Format_RGB32);
    expected.fill(kTableColour);
    const std::vector<int> row = CardRow(w.Form->ShownFullDeal().Hands[2], false);
    for (std::size_t i = 0; i < row.size(); ++i)
        DrawTransparent(expected, RenderCardImage(row[i], 2.0), int(i) * 28, 0);
    expected.setDevicePixelRatio(2.0);
    EXPECT_EQ(image, expected);
}
