#include "ui/mainwindow/ToolBarImages.h"

#include "DrawnIcon.h"
#include "ToolBarDrawings.h"

#include <QPainter>

#include <array>
#include <utility>

namespace kv {
namespace {

constexpr std::array<std::pair<const char*, TIconPainter>, 7> kDrawings{{
    {"PRINT", DrawPrinter},
    {"CLEARONE", DrawClearOne},
    {"CLEARALL", DrawClearAll},
    {"GLASSES", DrawGlasses},
    {"PLUS", DrawPlus},
    {"MINUS", DrawMinus},
    {"ANALYSE", DrawBarChart},
}};
constexpr int kNumberedImages = 6;

} // namespace

QStringList ToolBarImageNames() {
    QStringList names;
    for (const auto& [name, paint] : kDrawings)
        names << QString::fromLatin1(name);
    return names;
}

QIcon ToolBarIcon(const QString& name) {
    for (const auto& [drawn, paint] : kDrawings)
        if (name == QLatin1String(drawn)) return DrawnIcon(paint);
    return {};
}

QList<QIcon> LoadToolBarImageList() {
    QList<QIcon> icons;
    for (int i = 0; i < kNumberedImages; ++i)
        icons.append(DrawnIcon(kDrawings[static_cast<std::size_t>(i)].second));
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
