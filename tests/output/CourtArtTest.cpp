// The court pictures: the block layout and bit order, the frame, the pip, the
// half-turn symmetry, the four colours, and where they land on the card.
#include "output/cardfaces/src/CourtArt.h"
#include "output/cardfaces/CardFaces.h"
#include "output/cardfaces/src/AceOfSpadesArt.h"
#include "output/cardfaces/src/SuitMasks.h"

#include <gtest/gtest.h>

#include <set>

using namespace kv;

namespace {
constexpr int kSuitBasesInBlockOrder[4] = {kSpadesBase, kHeartsBase, kDiamondsBase, kClubsBase};
constexpr QRgb kPalette[4] = {kCardBlack, kCardRed, kCardYellow, kCardWhite};
} // namespace

TEST(CourtArt, BlockHoldsTwelvePicturesOf888BytesWithTheLowestBitPairLeftmost) {
    EXPECT_EQ(CourtPictures().size(), 12u * 888u);
    // Row 0 is the top of the frame (black, 0) across columns 0..46; column
    // 47 is white (3): the last byte of the row is 3 << 6.
    EXPECT_EQ(CourtPictures()[0], 0x00);
    EXPECT_EQ(CourtPictures()[11], 0xC0);
    // Row 1 starts with the frame's black pixel, then white: 0b11111100.
    EXPECT_EQ(CourtPictures()[12], 0xFC);
    EXPECT_EQ(CourtPixel(0, 47, 0), kCourtWhite);
}

TEST(CourtArt, OrderIsJacksQueensKingsEachSpadesHeartsDiamondsClubs) {
    EXPECT_EQ(CourtPictureNumber(kSpadesBase, kJackRank), 0);
    EXPECT_EQ(CourtPictureNumber(kClubsBase, kJackRank), 3);
    EXPECT_EQ(CourtPictureNumber(kHeartsBase, kQueenRank), 5);
    EXPECT_EQ(CourtPictureNumber(kDiamondsBase, kKingRank), 10);
    EXPECT_EQ(CourtPictureNumber(kClubsBase, kKingRank), 11);
}

TEST(CourtArt, EveryPictureIsFramedDoubleEndedAndInFourColours) {
    for (int n = 0; n < kCourtCount; ++n) {
        std::set<int> colours;
        for (int y = 0; y < kCourtHeight; ++y) {
            EXPECT_EQ(CourtPixel(n, 0, y), kCourtBlack) << n;
            EXPECT_EQ(CourtPixel(n, 46, y), kCourtBlack) << n;
            EXPECT_EQ(CourtPixel(n, 47, y), kCourtWhite) << n;
            for (int x = 0; x <= 46; ++x) {
                colours.insert(CourtPixel(n, x, y));
                ASSERT_EQ(CourtPixel(n, x, y), CourtPixel(n, 46 - x, 73 - y))
                    << n << " at " << x << "," << y;
            }
        }
        for (int x = 0; x <= 46; ++x)
            EXPECT_EQ(CourtPixel(n, x, 0), kCourtBlack) << n;
        EXPECT_EQ(colours.size(), 4u) << n;
    }
}

TEST(CourtArt, SuitPipSitsInsideTheFramesTopLeftCorner) {
    for (int n = 0; n < kCourtCount; ++n) {
        const int base = kSuitBasesInBlockOrder[n % 4];
        const int colour = SuitColour(base) == kCardRed ? kCourtRed : kCourtBlack;
        const TSmallSuitMask& mask = SmallSuitMask(base);
        for (int r = 0; r < kSmallSuitSize; ++r)
            for (int c = 0; c < kSmallSuitSize; ++c)
                if (MaskBit(mask[static_cast<std::size_t>(r)], c)) {
                    EXPECT_EQ(CourtPixel(n, 2 + c, 2 + r), colour) << n << " at " << c << "," << r;
                }
        EXPECT_EQ(CourtPixel(n, 1, 1), kCourtWhite) << n;
    }
}

TEST(CourtArt, PictureLandsAt12And11AndTheCornerCopyOverwritesItsLastColumn) {
    for (int c = 1; c <= kCardCount; ++c) {
        const int rank = RankNumber(c);
        if (rank < kJackRank) continue;
        const QImage image = RenderCardImage(c);
        const int n = CourtPictureNumber(SuitBaseOf(c), rank);
        for (int y = 0; y < kCourtHeight; ++y)
            for (int x = 0; x < kCourtWidth; ++x) {
                const int cy = 11 + y;
                if (x == 47 && cy >= 67 && cy <= 84) continue; // the copied corner
                ASSERT_EQ(image.pixel(12 + x, cy), kPalette[CourtPixel(n, x, y)])
                    << c << " at " << x << "," << y;
            }
        // Column 59 in rows 67..84 is column 11 of the top-left corner, turned.
        bool touched = false;
        for (int y = 67; y <= 84; ++y) {
            ASSERT_EQ(image.pixel(59, y), image.pixel(11, 95 - y)) << c << " row " << y;
            touched = touched || image.pixel(59, y) != kCardWhite;
        }
        // The Q's tail, the K's serifs and the club symbol reach column 11.
        if (rank != kJackRank || SuitBaseOf(c) == kClubsBase) {
            EXPECT_TRUE(touched) << c;
        }
        EXPECT_EQ(image.pixel(59, 66), kCardWhite) << c;
    }
}

TEST(AceOfSpadesArt, PackedLowestBitLeftmostAndMarkFromBit23ToBit1) {
    EXPECT_EQ(kAceOfSpadesBits.size(), 39u * 5u);
    // The design's apex is pixels 19 and 20 of row 0: byte 2, bits 3 and 4.
    EXPECT_EQ(kAceOfSpadesBits[2], 0x18);
    for (int y = 0; y < kAceHeight; ++y)
        for (int x = 0; x < kAceWidth; ++x)
            EXPECT_EQ(AcePixel(x, y),
                      art::kOrnateSpade[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] ==
                          '#');
    for (int y = 0; y < kMarkHeight; ++y) {
        EXPECT_EQ(kAceMarkBits[static_cast<std::size_t>(y)] & ~0x00FFFFFEu, 0u)
            << y; // bits 23..1 only
        for (int x = 0; x < kMarkWidth; ++x)
            EXPECT_EQ(MarkPixel(x, y),
                      art::kRibbonMark[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] ==
                          '#');
    }
    // The mark's top row starts with three clear pixels: bits 23, 22, 21.
    EXPECT_EQ(kAceMarkBits[0] & (7u << 21), 0u);
    EXPECT_NE(kAceMarkBits[0] & (1u << 20), 0u);
}
