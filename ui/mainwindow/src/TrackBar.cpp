#include "TrackBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace kv {
namespace {

// Geometry of the Windows-style bar: a pointed thumb over a sunken channel,
// ticks underneath.
constexpr int kThumbWidth = 11;
constexpr int kThumbHeight = 18;
constexpr int kThumbTop = 3;
constexpr int kChannelTop = 9;
constexpr int kChannelHeight = 5;
constexpr int kTickTop = kThumbTop + kThumbHeight + 2;
constexpr int kTickLength = 3;
constexpr int kMargin = kThumbWidth / 2 + 3;

} // namespace

TTrackBar::TTrackBar(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Horizontal);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TTrackBar::SetSelection(int start, int end) {
    if (start == selStart_ && end == selEnd_) return;
    selStart_ = start;
    selEnd_ = end;
    update();
}

QSize TTrackBar::sizeHint() const {
    return {150, kTickTop + kTickLength + 3};
}
QSize TTrackBar::minimumSizeHint() const {
    return {60, kTickTop + kTickLength + 3};
}

int TTrackBar::PositionOf(int value) const {
    const int span = std::max(1, maximum() - minimum());
    const int usable = width() - 2 * kMargin;
    return kMargin + (value - minimum()) * usable / span;
}

int TTrackBar::ValueAt(int x) const {
    const int span = std::max(1, maximum() - minimum());
    const int usable = std::max(1, width() - 2 * kMargin);
    const int value = minimum() + ((x - kMargin) * span * 2 + usable) / (2 * usable);
    return std::clamp(value, minimum(), maximum());
}

QRect TTrackBar::ThumbRect() const {
    return {PositionOf(sliderPosition()) - kThumbWidth / 2, kThumbTop, kThumbWidth, kThumbHeight};
}

QRect TTrackBar::ChannelRect() const {
    return {kMargin - 3, kChannelTop, width() - 2 * kMargin + 6, kChannelHeight};
}

void TTrackBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintChannel(p);
    PaintSelection(p);
    PaintTicks(p);
    PaintThumb(p);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(0, 0, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void TTrackBar::PaintChannel(QPainter& p) const {
    const QRect c = ChannelRect();
    p.fillRect(c, palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(c.topLeft(), c.topRight());
    p.drawLine(c.topLeft(), c.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(c.bottomLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomRight());
}

// The selected range fills the channel; a small triangle in the tick row
// marks each end, so the range reads even where the thumb covers the fill.
void TTrackBar::PaintSelection(QPainter& p) const {
    const int lo = std::min(selStart_, selEnd_);
    const int hi = std::max(selStart_, selEnd_);
    const QColor fill =
        isEnabled() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    const QRect c = ChannelRect().adjusted(1, 1, -1, -1);
    const int left = PositionOf(lo) - 2;
    const int right = PositionOf(hi) + 2;
    p.fillRect(QRect(QPoint(left, c.top()), QPoint(right, c.bottom())), fill);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::WindowText));
    for (const int x : {PositionOf(lo), PositionOf(hi)}) {
        const QPoint tri[] = {{x - 3, kTickTop + kTickLength + 1},
                              {x + 3, kTickTop + kTickLength + 1},
                              {x, kTickTop - 1}};
        p.drawPolygon(tri, 3);
    }
}

void TTrackBar::PaintTicks(QPainter& p) const {
    p.setPen(palette().color(QPalette::WindowText));
    for (int v = minimum(); v <= maximum(); ++v) {
        const int x = PositionOf(v);
        p.drawLine(x, kTickTop, x, kTickTop + kTickLength - 1);
    }
}

// A thumb pointing down at the ticks, raised like a button.
void TTrackBar::PaintThumb(QPainter& p) const {
    const QRect r = ThumbRect();
    const int tip = r.width() / 2;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom() - tip);
    path.lineTo(r.left() + tip, r.bottom());
    path.lineTo(r.left(), r.bottom() - tip);
    path.closeSubpath();
    const QColor face =
        isSliderDown() ? palette().color(QPalette::Midlight) : palette().color(QPalette::Button);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(palette().color(isEnabled() ? QPalette::Shadow : QPalette::Mid), 1));
    p.setBrush(face);
    p.drawPath(path.translated(0.5, 0.5));
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.5), QPointF(r.right() - 0.5, r.top() + 1.5));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.5),
               QPointF(r.left() + 1.5, r.bottom() - tip + 0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TTrackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractSlider::mousePressEvent(event);
    const int x = event->position().toPoint().x();
    if (ThumbRect().adjusted(-1, 0, 1, 0).contains(event->position().toPoint())) {
        dragOffset_ = x - PositionOf(sliderPosition());
    } else {
        // A click beside the thumb moves it one step towards the click.
        triggerAction(x < PositionOf(value()) ? SliderPageStepSub : SliderPageStepAdd);
        return;
    }
    setSliderDown(true);
    update();
}

void TTrackBar::mouseMoveEvent(QMouseEvent* event) {
    if (!isSliderDown()) return;
    setSliderPosition(ValueAt(event->position().toPoint().x() - dragOffset_));
}

void TTrackBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!isSliderDown() || event->button() != Qt::LeftButton) return;
    setSliderDown(false);
    update();
}

} // namespace kv
