// Where the pips of the ace to the ten lie, and the corner index with its
// half-turned copy, checked against the reference geometry.
#include "output/cardfaces/CardFaces.h"
#include "output/cardfaces/src/CardFaceParts.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace kv;

namespace {

QImage Blank() {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(kCardWhite);
    return image;
}

// The rows inside the outline in which any pixel of x0..x1 has the given colour.
std::set<int> RowsWithColour(const QImage& image, QRgb colour, int x0, int x1) {
    std::set<int> rows;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (image.pixel(x, y) == colour) rows.insert(y);
    return rows;
}

// Rows covered by pips, given as "up" top rows and "down" bottom rows.
std::set<int> Spans(std::vector<int> up, std::vector<int> down) {
    std::set<int> rows;
    for (int top : up)
        for (int y = top; y <= top + 14; ++y)
            rows.insert(y);
    for (int bottom : down)
        for (int y = bottom - 14; y <= bottom; ++y)
            rows.insert(y);
    return rows;
}

struct TPipReference {
    int Rank;
    std::set<int> Sides, Centre;
};

// The reference table: rows of the side columns and of the centre column.
const std::vector<TPipReference>& Reference() {
    static const std::vector<TPipReference> table = {
        {1, {}, Spans({39}, {})},
        {2, {}, Spans({10}, {85})},
        {3, {}, Spans({10, 39}, {85})},
        {4, Spans({10}, {85}), {}},
        {5, Spans({10}, {85}), Spans({39}, {})},
        {6, Spans({10, 39}, {85}), {}},
        {7, Spans({10, 39}, {85}), Spans({25}, {})},
        {8, Spans({10, 31}, {64, 85}), {}},
        {9, Spans({10, 31}, {64, 85}), Spans({39}, {})},
        {10, Spans({10, 31}, {64, 85}), Spans({20}, {75})},
    };
    return table;
}

} // namespace

TEST(CardPips, PipUpsideDownAt85SpansRows71To85) {
    for (int base : {kClubsBase, kDiamondsBase, kHeartsBase, kSpadesBase}) {
        QImage image = Blank();
        DrawPip(image, base, 28, 85, false, kCardRed);
        EXPECT_EQ(RowsWithColour(image, kCardRed, 0, 70), Spans({}, {85})) << base;
        EXPECT_EQ(*RowsWithColour(image, kCardRed, 0, 70).begin(), 71);
    }
}

TEST(CardPips, UpsideDownIsTheMaskMirroredTopToBottom) {
    QImage up = Blank(), down = Blank();
    DrawPip(up, kSpadesBase, 15, 10, true, kCardBlack);
    DrawPip(down, kSpadesBase, 15, 24, false, kCardBlack);
    EXPECT_EQ(up.pixel(22, 10), kCardBlack); // the spade's tip, row 1 of the mask
    EXPECT_EQ(up.pixel(21, 10), kCardWhite);
    for (int y = 10; y <= 24; ++y)
        for (int x = 15; x <= 29; ++x)
            ASSERT_EQ(up.pixel(x, y), down.pixel(x, 34 - y)) << x << "," << y;
    // Only set bits are painted; the sixteenth (lowest) bit never is.
    for (int y = 0; y < 96; ++y)
        EXPECT_EQ(up.pixel(30, y), kCardWhite);
}

TEST(CardPips, PipRowsOfEveryRankFollowTheTable) {
    for (int base : {kClubsBase, kDiamondsBase, kHeartsBase}) {
        for (const TPipReference& ref : Reference()) {
            const QImage& image = RenderCardImage(base + ref.Rank);
            const QRgb colour = SuitColour(base);
            // Bands inside each column that no other column reaches.
            EXPECT_EQ(RowsWithColour(image, colour, 15, 27), ref.Sides)
                << base << " rank " << ref.Rank;
            EXPECT_EQ(RowsWithColour(image, colour, 43, 55), ref.Sides)
                << base << " rank " << ref.Rank;
            EXPECT_EQ(RowsWithColour(image, colour, 30, 40), ref.Centre)
                << base << " rank " << ref.Rank;
        }
    }
    for (const TPipReference& ref : Reference()) {
        if (ref.Rank == 1) continue; // the ace of spades has its own design
        const QImage& image = RenderCardImage(kSpadesBase + ref.Rank);
        EXPECT_EQ(RowsWithColour(image, kCardBlack, 43, 55), ref.Sides)
            << "spades rank " << ref.Rank;
        EXPECT_EQ(RowsWithColour(image, kCardBlack, 30, 40), ref.Centre)
            << "spades rank " << ref.Rank;
    }
}

TEST(CardPips, PipsKeepTenPixelsFromTopAndBottomAndFifteenFromTheSides) {
    const QImage& ten = RenderCardImage(kHeartsBase + 10);
    const std::set<int> rows = RowsWithColour(ten, kCardRed, 14, 56);
    EXPECT_EQ(*rows.begin(), 10);
    EXPECT_EQ(*rows.rbegin(), 85);
    int left = 70, right = 0;
    for (int y = 30; y <= 60; ++y)
        for (int x = 14; x <= 56; ++x)
            if (ten.pixel(x, y) == kCardRed) left = std::min(left, x), right = std::max(right, x);
    EXPECT_EQ(left, 15);
    EXPECT_EQ(right, 55); // 70 - 55 = 15 from the right edge
}

TEST(CornerIndex, BottomRightIsTheTopLeftTurnedWithinX57To69AndY67To91) {
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage image = RenderCardImage(c);
        const int rank = RankNumber(c);
        const int left = rank == 1 ? 3 : rank <= 10 ? 2 : 1;
        const int right = rank <= 10 ? 13 : 11;
        for (int y = 4; y <= 28; ++y)
            for (int x = left; x <= right; ++x)
                ASSERT_EQ(image.pixel(70 - x, 95 - y), image.pixel(x, y))
                    << c << " at " << x << "," << y;
        // Outside the pips, the design and the pictures, the right margin and
        // the bottom rows hold nothing but the copied corner.
        for (int y = 2; y <= 93; ++y)
            for (int x = 60; x <= 69; ++x) {
                const bool inCopy = x >= 70 - right && x <= 70 - left && y >= 67 && y <= 91;
                if (!inCopy) {
                    ASSERT_EQ(image.pixel(x, y), kCardWhite) << c << " at " << x << "," << y;
                }
            }
    }
}

TEST(CornerIndex, SmallSuitSymbolStandsInRows18To28AtItsColumn) {
    // The club symbol's row 6 is 0xFFE0: eleven pixels from its left column.
    const QImage ace = RenderCardImage(1), two = RenderCardImage(2), jack = RenderCardImage(11);
    for (int x = 3; x <= 13; ++x)
        EXPECT_EQ(ace.pixel(x, 23), kCardBlack) << x;
    EXPECT_EQ(ace.pixel(2, 23), kCardWhite);
    for (int x = 2; x <= 12; ++x)
        EXPECT_EQ(two.pixel(x, 23), kCardBlack) << x;
    EXPECT_EQ(two.pixel(13, 23), kCardWhite);
    for (int x = 1; x <= 11; ++x)
        EXPECT_EQ(jack.pixel(x, 23), kCardBlack) << x;
    // Row 1 of the club is 0x0E00 (columns 4..6); row 11 too.
    EXPECT_EQ(two.pixel(2 + 4, 18), kCardBlack);
    EXPECT_EQ(two.pixel(2 + 3, 18), kCardWhite);
    EXPECT_EQ(two.pixel(2 + 4, 28), kCardBlack);
    EXPECT_EQ(two.pixel(2 + 4, 29), kCardWhite);
}

TEST(CornerIndex, RankSymbolsHaveTwoPixelStrokesInsideTheirBox) {
    for (int rank = 1; rank <= 13; ++rank) {
        QImage image = Blank();
        DrawRankSymbol(image, rank, kCardBlack);
        int minX = 99, maxX = -1, minY = 99, maxY = -1;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                if (image.pixel(x, y) != kCardBlack) continue;
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
                // Lines come in side-by-side pairs: no pixel stands alone in
                // both directions, as a lone point or a one-pixel diagonal would.
                const bool horizontal =
                    image.pixel(x - 1, y) == kCardBlack || image.pixel(x + 1, y) == kCardBlack;
                const bool vertical =
                    image.pixel(x, y - 1) == kCardBlack || image.pixel(x, y + 1) == kCardBlack;
                EXPECT_TRUE(horizontal || vertical) << "rank " << rank << " at " << x << "," << y;
            }
        EXPECT_EQ(minY, 4) << rank;
        EXPECT_EQ(maxY, rank == kQueenRank ? 17 : 15) << rank;
        EXPECT_GE(minX, rank == kAceRank ? 3 : 2) << rank;
        EXPECT_LE(maxX, rank >= kJackRank ? 11 : 13) << rank;
    }
}

TEST(CornerIndex, TenIsABarAndARing) {
    QImage image = Blank();
    DrawRankSymbol(image, 10, kCardRed);
    for (int y = 4; y <= 15; ++y) {
        EXPECT_EQ(image.pixel(3, y), kCardRed) << y;
        EXPECT_EQ(image.pixel(4, y), kCardRed) << y;
        EXPECT_EQ(image.pixel(5, y), kCardWhite) << y;
    }
    EXPECT_EQ(image.pixel(6, 9), kCardRed);
    EXPECT_EQ(image.pixel(11, 9), kCardRed);
    EXPECT_EQ(image.pixel(8, 9), kCardWhite); // the hole of the ring
    EXPECT_EQ(image.pixel(12, 9), kCardWhite);
}
