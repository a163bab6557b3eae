#include "DrawnIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace kv {
namespace {

constexpr qreal kUnits = 16.0;

class TDrawnIconEngine final : public QIconEngine {
  public:
    explicit TDrawnIconEngine(TIconPainter paint) : paint_(paint) {}

    // Drawn at the pixels of the device, then placed in the logical rectangle.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    // `size` in device pixels: QIcon multiplies by the pixel ratio before it asks.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size.width() / kUnits, size.height() / kUnits);
            paint_(painter);
        }
        if (mode != QIcon::Disabled) return drawn;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, drawn, &option);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new TDrawnIconEngine(paint_); }
    QString key() const override { return QStringLiteral("TDrawnIconEngine"); }

  private:
    TIconPainter paint_;
};

} // namespace

QIcon DrawnIcon(TIconPainter paint) {
    return QIcon(new TDrawnIconEngine(paint)); // the icon owns its engine
}

} // namespace kv
