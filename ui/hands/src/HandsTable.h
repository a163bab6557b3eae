#pragma once
// The green table of the hands window: the hand panels of the chosen view
// and, when it is on, the double-dummy table under them, with the board's
// number, dealer and vulnerability in the top corners. North, South or both
// are stacked; all four hands stand in the compass layout (North top, West
// left, East right, South bottom) with the board's caption in the free corner
// beside North. The table scales with its size: it draws everything at the
// largest zoom at which the view fits, centred, so that the cards grow and
// shrink with the window.

#include "ui/hands/HandsViewOptions.h"

#include <QWidget>

#include <array>

class QLabel;

namespace kv {

class TCardFaceCache;
class TCardImages;
class TDoubleDummyPanel;
class THandPanel;

class THandsTable : public QWidget {
  public:
    // Below 0.8 (cards 57 pixels wide) the strokes of the corner indices run
    // together: the 1 and the 0 of a ten merge into one blot.
    static constexpr double kMinZoom = 0.8, kMaxZoom = 4.0;

    THandsTable(QWidget* parent, const TCardImages& images, TCardFaceCache& faces);

    // Seats 0..3: North, East, South, West.
    THandPanel* Panel(int seat) const { return panels_.at(static_cast<std::size_t>(seat)); }
    TDoubleDummyPanel* DoubleDummy() const { return doubleDummy_; }

    // Shows the panels of the view, and the double-dummy table when asked for.
    void SetView(THandToView view, bool doubleDummy);
    // The board's caption: "Board 7" and "Dealer S, Vul Both"; empty texts
    // for no board.
    void SetCaption(const QString& board, const QString& dealerAndVulnerability);
    // The size of the view at zoom 1: 295 wide (590 for all four hands), 144
    // high for each row of hands and for the double-dummy table.
    QSize NaturalSize() const;
    // The zoom at which the table now draws.
    double Zoom() const { return zoom_; }
    // The size the table asks for: its natural size at `zoom`.
    void SetPreferredZoom(double zoom);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Fits the zoom to the size and the device-pixel ratio and places the
    // panels; done on every resize, and by the window while it is hidden
    // (when resizes are not told).
    void Arrange();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void PlaceCaption(int left, int top, int width);
    void Place(QWidget* panel, int x, int y);

    std::array<THandPanel*, 4> panels_{};
    TDoubleDummyPanel* doubleDummy_ = nullptr;
    QLabel* boardCaption_ = nullptr;
    QLabel* dealCaption_ = nullptr;
    THandToView view_ = THandToView::Both;
    bool showDoubleDummy_ = false;
    double zoom_ = 1.0, ratio_ = 1.0, preferredZoom_ = 1.0;
};

} // namespace kv
