#include "output/cardfaces/CardFaces.h"

#include "CardFaceParts.h"

namespace kv {
namespace {

// The outline: straight edges with each corner cut by a two-pixel diagonal.
constexpr int kOutline[][2] = {{2, 0},   {68, 0}, {70, 2}, {70, 93},
                               {68, 95}, {2, 95}, {0, 93}, {0, 2}};

// The pixels outside the cut corners, which let the table show through.
constexpr int kCornerPixels[][2] = {{0, 0},   {1, 0},   {0, 1},   {70, 0}, {69, 0}, {70, 1},
                                    {70, 95}, {69, 95}, {70, 94}, {0, 95}, {1, 95}, {0, 94}};

void DrawOutline(TFaceCanvas& canvas) {
    constexpr int n = std::size(kOutline);
    for (int i = 0; i < n; ++i) {
        const auto& a = kOutline[i];
        const auto& b = kOutline[(i + 1) % n];
        canvas.PixelLine(a[0], a[1], b[0], b[1], kCardBlack);
    }
}

} // namespace

QImage RenderCardImage(int index, double scale) {
    if (!IsCardIndex(index) || !(scale > 0)) return {};
    QImage image(CardDeviceSize(scale), QImage::Format_RGB32);
    image.fill(kCardWhite);
    TFaceCanvas canvas(image, scale);
    DrawOutline(canvas);
    DrawCardFace(canvas, SuitBaseOf(index), RankNumber(index));
    for (const auto& p : kCornerPixels)
        canvas.Pixel(p[0], p[1], CardTransparentColor);
    return image;
}

void DrawTransparent(QImage& surface, const QImage& card, int x, int y) {
    Q_ASSERT(surface.depth() == 32 && card.depth() == 32);
    if (surface.depth() != 32 || card.depth() != 32) return;
    for (int cy = 0; cy < card.height(); ++cy) {
        const int sy = y + cy;
        if (sy < 0 || sy >= surface.height()) continue;
        const auto* from = reinterpret_cast<const QRgb*>(card.constScanLine(cy));
        auto* to = reinterpret_cast<QRgb*>(surface.scanLine(sy));
        for (int cx = 0; cx < card.width(); ++cx) {
            const int sx = x + cx;
            if (sx >= 0 && sx < surface.width() && from[cx] != CardTransparentColor)
                to[sx] = from[cx];
        }
    }
}

void TCardImages::BuildCardImages() {
    if (built_) return;
    for (int index = 1; index <= kCardCount; ++index)
        images_[static_cast<std::size_t>(index - 1)] = RenderCardImage(index);
    built_ = true;
}

const QImage& TCardImages::Image(int index) const {
    if (!built_ || !IsCardIndex(index)) return none_;
    return images_[static_cast<std::size_t>(index - 1)];
}

void TCardImages::DrawCard(QImage& surface, int index, int x, int y) const {
    const QImage& card = Image(index);
    if (!card.isNull()) DrawTransparent(surface, card, x, y);
}

} // namespace kv
