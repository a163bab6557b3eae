// The card images as a whole: size and format, the transparent corners and
// the outline of all 52, the card index order, the suit colours, and building
// the table once.
#include "output/cardfaces/CardFaces.h"
#include "output/cardfaces/src/CardFaceParts.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

const TCardImages& Built() {
    static TCardImages images = [] {
        TCardImages t;
        t.BuildCardImages();
        return t;
    }();
    return images;
}

// Counts pixels of one colour inside a rectangle (inclusive bounds).
int CountColour(const QImage& image, QRgb colour, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

constexpr int kCornerPixels[][2] = {{0, 0},   {1, 0},   {0, 1},   {70, 0}, {69, 0}, {70, 1},
                                    {70, 95}, {69, 95}, {70, 94}, {0, 95}, {1, 95}, {0, 94}};
// The outline pixels next to the cut corners, and one pixel of each edge.
constexpr int kOutlinePixels[][2] = {{2, 0},   {1, 1},   {0, 2},   {68, 0}, {69, 1}, {70, 2},
                                     {70, 93}, {69, 94}, {68, 95}, {2, 95}, {1, 94}, {0, 93},
                                     {35, 0},  {70, 47}, {35, 95}, {0, 47}};

} // namespace

TEST(CardImages, EveryImageIs71By96OpaqueRgb32) {
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage& image = Built().Image(c);
        EXPECT_EQ(image.size(), QSize(71, 96)) << c;
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << c;
    }
}

TEST(CardImages, CornersAreTransparentAndTheOutlineBesideThemBlackOnAll52) {
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage& image = Built().Image(c);
        for (const auto& p : kCornerPixels)
            EXPECT_EQ(image.pixel(p[0], p[1]), CardTransparentColor)
                << c << " at " << p[0] << "," << p[1];
        for (const auto& p : kOutlinePixels)
            EXPECT_EQ(image.pixel(p[0], p[1]), kCardBlack) << c << " at " << p[0] << "," << p[1];
        // Nothing else is transparent.
        EXPECT_EQ(CountColour(image, CardTransparentColor, 0, 0, 70, 95), 12) << c;
    }
}

TEST(CardImages, IndexOrderIsClubsDiamondsHeartsSpadesAceFirst) {
    const int aces[] = {1, 14, 27, 40}, kings[] = {13, 26, 39, 52};
    const int bases[] = {kClubsBase, kDiamondsBase, kHeartsBase, kSpadesBase};
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(RankNumber(aces[s]), kAceRank);
        EXPECT_EQ(RankNumber(kings[s]), kKingRank);
        EXPECT_EQ(SuitBaseOf(aces[s]), bases[s]);
        EXPECT_EQ(SuitBaseOf(kings[s]), bases[s]);
        EXPECT_EQ(RankNumber(aces[s] + 1), 2);
    }
    // The corner of each image carries its own rank symbol in its suit colour.
    for (int c = 1; c <= kCardCount; ++c) {
        QImage expected(kCardWidth, kCardHeight, QImage::Format_RGB32);
        expected.fill(kCardWhite);
        DrawRankSymbol(expected, RankNumber(c), SuitColour(SuitBaseOf(c)));
        const QImage& image = Built().Image(c);
        for (int y = 4; y <= 17; ++y)
            for (int x = 2; x <= (RankNumber(c) >= kJackRank ? 11 : 13); ++x)
                ASSERT_EQ(image.pixel(x, y), expected.pixel(x, y)) << c << " at " << x << "," << y;
    }
}

TEST(CardImages, RedSuitsRedAndBlackSuitsBlack) {
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage& image = Built().Image(c);
        const bool red = SuitBaseOf(c) == kDiamondsBase || SuitBaseOf(c) == kHeartsBase;
        const QRgb other = red ? kCardBlack : kCardRed;
        // The corner index holds only its suit colour and white.
        const int x1 = RankNumber(c) >= kJackRank ? 11 : 13;
        EXPECT_GT(CountColour(image, SuitColour(SuitBaseOf(c)), 1, 4, x1, 28), 20) << c;
        EXPECT_EQ(CountColour(image, other, 1, 4, x1, 28), 0) << c;
        if (RankNumber(c) >= kJackRank) continue; // court pictures use all four colours
        // Pips and the ace of spades design: suit colour only, inside the outline.
        EXPECT_EQ(CountColour(image, other, 2, 2, 68, 93), 0) << c;
        EXPECT_EQ(CountColour(image, kCardYellow, 0, 0, 70, 95), 0) << c;
    }
}

TEST(CardImages, AceOfSpadesDesignIsBlackAndNoPipIsDrawn) {
    const QImage& ace = Built().Image(40);
    EXPECT_EQ(ace.pixel(17 + 20, 25 + 0), kCardBlack);
    EXPECT_EQ(ace.pixel(17 + 10, 25 + 20), kCardBlack);
    EXPECT_EQ(CountColour(ace, kCardRed, 0, 0, 70, 95), 0);
    EXPECT_GT(CountColour(ace, kCardBlack, 17, 25, 56, 63), 600);
    EXPECT_GT(CountColour(ace, kCardBlack, 25, 68, 47, 75), 40);
    // Nothing black between the design and the mark, nor around them.
    EXPECT_EQ(CountColour(ace, kCardBlack, 17, 64, 56, 67), 0);
    EXPECT_EQ(CountColour(ace, kCardBlack, 14, 25, 16, 75), 0);
}

TEST(CardImages, RenderingIsAPureFunctionOfTheIndex) {
    EXPECT_EQ(RenderCardImage(27), RenderCardImage(27));
    EXPECT_EQ(RenderCardImage(27), Built().Image(27));
    EXPECT_NE(RenderCardImage(27), RenderCardImage(28));
    EXPECT_TRUE(RenderCardImage(0).isNull());
    EXPECT_TRUE(RenderCardImage(53).isNull());
}

TEST(CardImages, AreBuiltOnce) {
    TCardImages images;
    EXPECT_TRUE(images.Image(1).isNull());
    images.BuildCardImages();
    EXPECT_TRUE(images.Built());
    const uchar* const first = images.Image(52).constBits();
    images.BuildCardImages(); // built already: nothing is rebuilt
    EXPECT_EQ(images.Image(52).constBits(), first);
    EXPECT_EQ(images.Image(52), RenderCardImage(52));
}

TEST(CardImages, OutOfRangeIndicesDrawNothing) {
    TCardImages unbuilt;
    QImage surface(100, 100, QImage::Format_RGB32);
    surface.fill(qRgb(0, 128, 0));
    const QImage before = surface;
    unbuilt.DrawCard(surface, 1, 0, 0);
    Built().DrawCard(surface, 0, 0, 0);
    Built().DrawCard(surface, 53, 0, 0);
    Built().DrawCard(surface, -7, 0, 0);
    EXPECT_EQ(surface, before);
    EXPECT_TRUE(Built().Image(0).isNull());
    EXPECT_TRUE(Built().Image(53).isNull());
}

TEST(CardImages, DrawingLeavesTheTransparentCornersToTheSurface) {
    const QRgb green = qRgb(0, 128, 0);
    QImage surface(80, 100, QImage::Format_RGB32);
    surface.fill(green);
    Built().DrawCard(surface, 5, 3, 2);
    EXPECT_EQ(surface.pixel(3, 2), green);      // card (0, 0)
    EXPECT_EQ(surface.pixel(4, 2), green);      // card (1, 0)
    EXPECT_EQ(surface.pixel(5, 2), kCardBlack); // card (2, 0): outline
    EXPECT_EQ(surface.pixel(3 + 35, 2 + 47), Built().Image(5).pixel(35, 47));
    EXPECT_EQ(surface.pixel(2, 50), green); // left of the card
    // Partly outside the surface: clipped, not refused.
    Built().DrawCard(surface, 5, 40, 60);
    EXPECT_EQ(surface.pixel(40 + 35, 60 + 36), Built().Image(5).pixel(35, 36));
}
