#pragma once
// A horizontal track bar with a selection range: the channel shows the range
// from SelStart to SelEnd filled in the highlight colour, with a small marker
// above each end, and a tick below every value. The thumb edits one value;
// valueChanged fires on every step of a drag, of the keys and of the wheel.

#include <QAbstractSlider>

namespace kv {

class TTrackBar : public QAbstractSlider {
    Q_OBJECT
  public:
    explicit TTrackBar(QWidget* parent = nullptr);

    int SelStart() const { return selStart_; }
    int SelEnd() const { return selEnd_; }
    // Sets both ends of the selection; the ends may stand in either order.
    void SetSelection(int start, int end);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The horizontal centre of a value in widget coordinates.
    int PositionOf(int value) const;
    // The value whose tick lies nearest to a horizontal position.
    int ValueAt(int x) const;
    QRect ThumbRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRect ChannelRect() const;
    void PaintChannel(class QPainter& p) const;
    void PaintSelection(QPainter& p) const;
    void PaintTicks(QPainter& p) const;
    void PaintThumb(QPainter& p) const;

    int selStart_ = 0;
    int selEnd_ = 0;
    int dragOffset_ = 0;
};

} // namespace kv
