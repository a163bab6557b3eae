#include "ToolBarDrawings.h"

#include <QPainter>
#include <QPainterPath>

namespace kv {
namespace {

// The colours of the original bitmaps.
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kLightGreen(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kDarkRed(0x80, 0x00, 0x00);
const QColor kCyan(0x00, 0xFF, 0xFF);
const QColor kBarRed(0xC0, 0x00, 0x00);
const QColor kBarBlue(0x00, 0x00, 0xC0);

// One unit wide, on half units, so that outlines fall on whole pixels at
// 100% and 200%.
void Outline(QPainter& p, const QColor& colour = Qt::black) {
    p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void Box(QPainter& p, const QRectF& box, const QColor& fill) {
    Outline(p);
    p.setBrush(fill);
    p.drawRect(box);
}

// Grey lines of text on a page, from `top` every two units.
void TextLines(QPainter& p, qreal left, qreal right, qreal top, int lines) {
    Outline(p, kGrey);
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
}

// A red eraser lying across the bottom right corner, its rubber end dark.
void Eraser(QPainter& p) {
    p.save();
    p.translate(12.0, 12.0);
    p.rotate(-45);
    const QRectF body(-5.0, -2.0, 10.0, 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(body);
    p.setBrush(kDarkRed);
    p.drawRect(QRectF(-5.0, -2.0, 3.0, 4.0));
    Outline(p);
    p.setBrush(Qt::NoBrush);
    p.drawRect(body);
    p.restore();
}

} // namespace

void DrawPrinter(QPainter& p) {
    Box(p, QRectF(4.5, 0.5, 7, 5), Qt::white);
    TextLines(p, 6, 10, 2.5, 1);
    Box(p, QRectF(1.5, 5.5, 13, 5), kSilver);
    p.setPen(Qt::NoPen);
    p.setBrush(kLightGreen);
    p.drawEllipse(QPointF(11.5, 8.0), 1.0, 1.0);
    Box(p, QRectF(3.5, 11.5, 9, 4), Qt::white);
    TextLines(p, 5, 11, 13.5, 1);
}

void DrawClearOne(QPainter& p) {
    Box(p, QRectF(0.5, 0.5, 10, 13), Qt::white);
    TextLines(p, 2, 9, 3.5, 5);
    Eraser(p);
}

void DrawClearAll(QPainter& p) {
    Box(p, QRectF(5.5, 0.5, 7, 10), Qt::white);
    Box(p, QRectF(0.5, 4.5, 8, 11), Qt::white);
    TextLines(p, 2, 7, 7.5, 4);
    Eraser(p);
}

void DrawGlasses(QPainter& p) {
    Outline(p);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(1.5, 7.0), QPointF(0.5, 4.5));
    p.drawLine(QPointF(14.5, 7.0), QPointF(15.5, 4.5));
    p.drawLine(QPointF(6.5, 7.5), QPointF(9.5, 7.5));
    for (const qreal left : {1.0, 9.0}) {
        Outline(p);
        p.setBrush(kCyan);
        p.drawEllipse(QRectF(left, 6.0, 6.0, 4.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(left + 1.2, 6.8, 1.6, 1.2));
    }
}

void DrawPlus(QPainter& p) {
    QPainterPath upright;
    upright.addRect(QRectF(6.5, 2.5, 3, 11));
    QPainterPath across;
    across.addRect(QRectF(2.5, 6.5, 11, 3));
    Outline(p);
    p.setBrush(kGreen);
    p.drawPath(upright.united(across));
    p.setPen(Qt::NoPen);
    p.setBrush(kLightGreen);
    p.drawRect(QRectF(7.0, 3.0, 1.0, 1.0));
    p.drawRect(QRectF(3.0, 7.0, 1.0, 1.0));
}

void DrawMinus(QPainter& p) {
    Box(p, QRectF(2.5, 6.5, 11, 3), kRed);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.0, 7.0, 1.0, 1.0));
}

void DrawBarChart(QPainter& p) {
    Box(p, QRectF(2.5, 7.5, 2, 6), kBarBlue);
    Box(p, QRectF(6.5, 4.5, 2, 9), kBarRed);
    Box(p, QRectF(10.5, 1.5, 2, 12), kGreen);
    Outline(p);
    p.drawLine(QPointF(1.5, 13.5), QPointF(14.5, 13.5));
}

} // namespace kv
