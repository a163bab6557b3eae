#include "output/cardfaces/FaceCanvas.h"

#include "output/cardfaces/CardFaces.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>
#include <cstdlib>

namespace kv {
namespace {

void SetDevicePixel(QImage& image, int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) image.setPixel(x, y, colour);
}

// The outline of one line, one card pixel wide, reaching over both end pixels.
QPainterPath LineShape(const TLine& line, double scale) {
    const QPointF a((line.X0 + 0.5) * scale, (line.Y0 + 0.5) * scale);
    const QPointF b((line.X1 + 0.5) * scale, (line.Y1 + 0.5) * scale);
    QPainterPath shape;
    if (a == b) {
        shape.addRect(QRectF(a - QPointF(scale / 2, scale / 2), QSizeF(scale, scale)));
        return shape;
    }
    QPainterPath centre(a);
    centre.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(scale);
    stroker.setCapStyle(Qt::SquareCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(centre);
}

} // namespace

int DeviceEdge(double v, double scale) {
    return static_cast<int>(std::lround(v * scale));
}

QSize CardDeviceSize(double scale) {
    return {DeviceEdge(kCardWidth, scale), DeviceEdge(kCardHeight, scale)};
}

void TFaceCanvas::Pixel(int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= kCardWidth || y >= kCardHeight) return;
    if (scale_ == 1.0) {
        SetDevicePixel(image_, x, y, colour);
        return;
    }
    const int right = DeviceEdge(x + 1, scale_), bottom = DeviceEdge(y + 1, scale_);
    for (int dy = DeviceEdge(y, scale_); dy < bottom; ++dy)
        for (int dx = DeviceEdge(x, scale_); dx < right; ++dx)
            SetDevicePixel(image_, dx, dy, colour);
}

void TFaceCanvas::PixelLine(int x0, int y0, int x1, int y1, QRgb colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Pixel(x0, y0, colour);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

void TFaceCanvas::Stroke(std::span<const TLine> lines, QRgb colour) {
    if (scale_ == 1.0) {
        for (const TLine& l : lines)
            PixelLine(l.X0, l.Y0, l.X1, l.Y1, colour);
        return;
    }
    QPainterPath shape;
    for (const TLine& l : lines)
        shape = shape.united(LineShape(l, scale_));
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, QColor::fromRgb(colour));
}

void TFaceCanvas::CopyTurned(int x0, int y0, int x1, int y1) {
    const QSize size = CardDeviceSize(scale_);
    const int right = DeviceEdge(x1 + 1, scale_), bottom = DeviceEdge(y1 + 1, scale_);
    for (int y = DeviceEdge(y0, scale_); y < bottom; ++y)
        for (int x = DeviceEdge(x0, scale_); x < right; ++x)
            SetDevicePixel(image_, size.width() - 1 - x, size.height() - 1 - y, image_.pixel(x, y));
}

} // namespace kv
