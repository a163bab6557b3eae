#include "ui/mainwindow/ToolBarImages.h"

#include <QPainter>
#include <QPainterPath>

namespace kv {
namespace {

constexpr QRgb kTransparentColour = 0xFFFF00FF; // magenta

} // namespace

QStringList ToolBarImageNames() {
    return {QStringLiteral("PRINT"),   QStringLiteral("CLEARONE"), QStringLiteral("CLEARALL"),
            QStringLiteral("GLASSES"), QStringLiteral("PLUS"),     QStringLiteral("MINUS")};
}

QImage LoadToolBarImage(const QString& name) {
    QImage image(QStringLiteral(":/images/%1.xpm").arg(name));
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == kTransparentColour) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

QList<QIcon> LoadToolBarImageList() {
    QList<QIcon> icons;
    for (const QString& name : ToolBarImageNames())
        icons.append(QIcon(QPixmap::fromImage(LoadToolBarImage(name))));
    return icons;
}

// A white card with rounded corners; the four suit symbols in its corners.
QPixmap ProgramIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    const QRectF card(4 * unit, 1 * unit, 24 * unit, 30 * unit);
    p.setPen(QPen(Qt::black, unit));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3 * unit, 3 * unit);
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(static_cast<int>(12 * unit));
    p.setFont(face);
    const struct {
        QPointF At;
        QChar Symbol;
        QColor Colour;
    } symbols[] = {{{6 * unit, 2 * unit}, QChar(0x2660), Qt::black},
                   {{16 * unit, 2 * unit}, QChar(0x2665), Qt::red},
                   {{6 * unit, 16 * unit}, QChar(0x2666), Qt::red},
                   {{16 * unit, 16 * unit}, QChar(0x2663), Qt::black}};
    for (const auto& s : symbols) {
        p.setPen(s.Colour);
        p.drawText(QRectF(s.At, QSizeF(10 * unit, 13 * unit)), Qt::AlignCenter, QString(s.Symbol));
    }
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(ProgramIconPixmap(size));
    return icon;
}

} // namespace kv
