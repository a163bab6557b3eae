// Card faces drawn at other sizes than their own: at scale 1 exactly the faces
// as they have always been drawn (the reference image in tests/data), at
// scale 2 the pixel art in sharp 2 x 2 blocks and the rank symbols drawn
// smooth, so that the 2x face brought back to 1x by averaging is close to the
// 1x face; odd scales, transparent corners, and the cache of sizes.
#include "output/cardfaces/CardFaceCache.h"
#include "output/cardfaces/CardFaces.h"
#include "output/cardfaces/FaceCanvas.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace kv;

namespace {

const QImage& Reference() {
    static const QImage atlas(QStringLiteral(KV_TEST_DATA_DIR "/cardfaces/faces-1x.png"));
    return atlas;
}

QImage ReferenceFace(int index) {
    return Reference()
        .copy((index - 1) * kCardWidth, 0, kCardWidth, kCardHeight)
        .convertToFormat(QImage::Format_RGB32);
}

// Each 2 x 2 block of `image` averaged into one pixel.
QImage HalvedByAveraging(const QImage& image) {
    QImage half(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = image.pixel(2 * x + d.x(), 2 * y + d.y());
                r += qRed(p), g += qGreen(p), b += qBlue(p);
            }
            half.setPixel(x, y, qRgb(r / 4, g / 4, b / 4));
        }
    return half;
}

// How far apart two images of one size are: the mean difference of a colour
// channel over all pixels (0..255), and the share of pixels where some
// channel differs by more than half the range.
struct TDistance {
    double MeanChannel = 0;
    double FarShare = 0;
};

TDistance Distance(const QImage& a, const QImage& b) {
    double sum = 0;
    int far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q)), dg = std::abs(qGreen(p) - qGreen(q)),
                      db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            far += std::max({dr, dg, db}) > 128;
        }
    const double pixels = double(a.width()) * a.height();
    return {sum / (3 * pixels), far / pixels};
}

// Close enough to be the same face. Measured over all 52 faces, a 2x face
// averaged back differs from its 1x face by at most 0.6 levels on average
// and nowhere by more than half the range (only the edges of the smooth rank
// symbols differ); the closest pair of different faces, the aces of diamonds
// and hearts, differ by 2.7 levels and in 1.4% of their pixels by more.
bool Close(const TDistance& d) {
    return d.MeanChannel < 1.5 && d.FarShare < 0.005;
}

// The corner-index boxes, where the rank symbols are drawn smooth: x 2..13,
// y 4..17 and the same turned into the bottom-right corner.
bool InRankBox(int x, int y) {
    const auto inTopLeft = [](int cx, int cy) {
        return cx >= 1 && cx <= 14 && cy >= 3 && cy <= 18;
    };
    return inTopLeft(x, y) || inTopLeft(kCardWidth - 1 - x, kCardHeight - 1 - y);
}

} // namespace

TEST(ScaledFaces, ReferenceImageHoldsTheFiftyTwoFaces) {
    ASSERT_FALSE(Reference().isNull());
    EXPECT_EQ(Reference().size(), QSize(52 * kCardWidth, kCardHeight));
}

TEST(ScaledFaces, ScaleOneIsTheReferencePixelForPixel) {
    for (int c = 1; c <= kCardCount; ++c)
        EXPECT_EQ(RenderCardImage(c, 1.0), ReferenceFace(c)) << "card " << c;
}

TEST(ScaledFaces, DeviceSizesOfCommonScales) {
    struct TRow {
        double Scale;
        QSize Size;
    };
    const TRow rows[] = {{1.0, {71, 96}},
                         {1.25, {89, 120}},
                         {1.5, {107, 144}},
                         {2.0, {142, 192}},
                         {3.0, {213, 288}}};
    for (const TRow& row : rows) {
        EXPECT_EQ(CardDeviceSize(row.Scale), row.Size) << row.Scale;
        EXPECT_EQ(RenderCardImage(40, row.Scale).size(), row.Size) << row.Scale;
    }
}

TEST(ScaledFaces, TwiceTheSizeAveragedBackIsCloseToTheOneTimesFace) {
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage twice = RenderCardImage(c, 2.0);
        ASSERT_EQ(twice.size(), QSize(142, 192));
        const TDistance d = Distance(HalvedByAveraging(twice), ReferenceFace(c));
        EXPECT_TRUE(Close(d)) << "card " << c << ": mean " << d.MeanChannel << ", far "
                              << d.FarShare;
    }
}

TEST(ScaledFaces, AnotherCardIsNotClose) {
    // The measure tells every face from every other one.
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage half = HalvedByAveraging(RenderCardImage(c, 2.0));
        for (int other = 1; other <= kCardCount; ++other)
            if (other != c) {
                EXPECT_FALSE(Close(Distance(half, ReferenceFace(other)))) << c << " " << other;
            }
    }
}

TEST(ScaledFaces, PixelArtIsDrawnInSharpBlocksAtTwiceTheSize) {
    for (int c = 1; c <= kCardCount; ++c) {
        const QImage one = ReferenceFace(c), twice = RenderCardImage(c, 2.0);
        for (int y = 0; y < kCardHeight; ++y)
            for (int x = 0; x < kCardWidth; ++x) {
                if (InRankBox(x, y)) continue;
                const QRgb p = one.pixel(x, y);
                for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    ASSERT_EQ(twice.pixel(2 * x + d.x(), 2 * y + d.y()), p)
                        << "card " << c << " at " << x << "," << y;
            }
    }
}

TEST(ScaledFaces, RankSymbolsAreDrawnAtTheSizeNotEnlarged) {
    // Enlarging the 1x face would give only the colours of the 1x face; the
    // smooth slanting strokes of these symbols add the shades of their edges.
    for (int c : {1, 15, 33, 46, 51, 52}) {
        const QImage twice = RenderCardImage(c, 2.0);
        int shades = 0;
        for (int y = 8; y <= 35; ++y)
            for (int x = 4; x <= 27; ++x) {
                const QRgb p = twice.pixel(x, y);
                shades += p != kCardWhite && p != SuitColour(SuitBaseOf(c));
            }
        EXPECT_GT(shades, 0) << "card " << c;
    }
}

TEST(ScaledFaces, CornersStayTransparentAtEveryScale) {
    for (const double scale : {1.0, 1.5, 2.0, 3.0}) {
        const QImage face = RenderCardImage(27, scale);
        const int w = face.width() - 1, h = face.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            EXPECT_EQ(face.pixel(corner), CardTransparentColor) << scale;
        // The outline in the middle of each edge.
        for (const QPoint edge :
             {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w, h / 2), QPoint(w / 2, h)})
            EXPECT_EQ(face.pixel(edge), kCardBlack) << scale;
        // Exactly the blocks of the twelve corner pixels are transparent.
        int transparent = 0, expected = 0;
        for (int y = 0; y <= h; ++y)
            for (int x = 0; x <= w; ++x)
                transparent += face.pixel(x, y) == CardTransparentColor;
        const auto side = [scale](int v) {
            return DeviceEdge(v + 1, scale) - DeviceEdge(v, scale);
        };
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(70, 0),
                               QPoint(69, 0), QPoint(70, 1), QPoint(70, 95), QPoint(69, 95),
                               QPoint(70, 94), QPoint(0, 95), QPoint(1, 95), QPoint(0, 94)})
            expected += side(p.x()) * side(p.y());
        EXPECT_EQ(transparent, expected) << scale;
    }
}

TEST(ScaledFaces, NoFaceForABadIndexOrScale) {
    EXPECT_TRUE(RenderCardImage(0, 2.0).isNull());
    EXPECT_TRUE(RenderCardImage(53, 2.0).isNull());
    EXPECT_TRUE(RenderCardImage(1, 0.0).isNull());
    EXPECT_TRUE(RenderCardImage(1, -1.0).isNull());
}

TEST(CardFaceCache, DrawsEachFaceOncePerSizeAndKeepsTheLastThreeSizes) {
    TCardFaceCache cache;
    const QImage& first = cache.Face(5, 142);
    EXPECT_EQ(first, RenderCardImage(5, 2.0));
    EXPECT_EQ(&cache.Face(5, 142), &first); // kept, not drawn again
    EXPECT_EQ(cache.Face(5, 71), RenderCardImage(5));
    cache.Face(5, 107);
    EXPECT_EQ(cache.SizesKept(), 3u);
    cache.Face(5, 213); // a fourth size: the one used longest ago goes
    EXPECT_EQ(cache.SizesKept(), 3u);
    EXPECT_EQ(cache.Face(5, 142), RenderCardImage(5, 2.0));
    EXPECT_TRUE(cache.Face(0, 71).isNull());
    EXPECT_TRUE(cache.Face(1, 0).isNull());
}

TEST(CardFaceCache, WidthsAndScales) {
    EXPECT_EQ(TCardFaceCache::ScaleOfWidth(71), 1.0);
    EXPECT_EQ(TCardFaceCache::ScaleOfWidth(142), 2.0);
    EXPECT_EQ(TCardFaceCache::WidthAtScale(1.0), 71);
    EXPECT_EQ(TCardFaceCache::WidthAtScale(1.5), 107);
    EXPECT_EQ(TCardFaceCache::WidthAtScale(0.001), 1);
}
