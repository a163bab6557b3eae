#pragma once
// One hand on the green table: a panel with its label ("North", "East",
// "South" or "West") centred along its top edge and the image on which the
// hand's cards are fanned from left to right. The panel scales with the
// window: at zoom z it is z times its own size and its cards are drawn, at the
// screen's device-pixel ratio, at the size that needs.

#include "output/cardfaces/CardFaceCache.h"
#include "output/cardfaces/CardFaces.h"

#include <QFrame>
#include <QImage>

#include <vector>

class QLabel;

namespace kv {

// The geometry of the hands window at zoom 1, from the card size.
inline constexpr int kCardStep = kCardWidth / 5;                          // 14
inline constexpr int kHandImageLeft = 2 * kCardStep;                      // 28
inline constexpr int kHandImageTop = kCardHeight / 4;                     // 24
inline constexpr int kHandImageWidth = kCardWidth + 12 * kCardStep;       // 239
inline constexpr int kHandImageHeight = kCardHeight;                      // 96
inline constexpr int kHandPanelHeight = (kCardHeight * 3 + 1) / 2;        // 1.5 x 96, rounded: 144
inline constexpr int kHandsClientWidth = kHandImageWidth + 4 * kCardStep; // 295
inline constexpr int kControlPanelHeight = 41;
inline constexpr QRgb kTableColour = qRgb(0, 128, 0);

// A length of the window at zoom 1 taken to zoom z, in whole logical pixels.
int Zoomed(int length, double zoom);

// The image a hand is drawn on; shows its QImage as it is.
class TCardRowView : public QWidget {
  public:
    TCardRowView(QWidget* parent, const TCardImages& images, TCardFaceCache& faces);

    // The image at the device's pixels: 239 x 96 at zoom 1 and 100% scaling.
    const QImage& Image() const { return image_; }
    // Forgets the row and shows the bare table.
    void Clear();
    // The card at position i (from 0) goes to x = i * CardStep, y = 0, in
    // card pixels; later cards cover earlier ones, transparent pixels leave
    // the table showing. `images` are the faces at their own size.
    void DrawRow(const std::vector<int>& cardRow, const TCardImages& images);
    // No cards: the hand is not known.
    void ShowUnknown();
    // Draws the row again for zoom `zoom` and device-pixel ratio `ratio`.
    void SetScale(double zoom, double ratio);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Redraw();
    // Device pixels per card pixel.
    double DeviceScale() const;

    const TCardImages* images_;
    TCardFaceCache& faces_;
    std::vector<int> row_;
    bool unknown_ = false;
    double zoom_ = 1.0, ratio_ = 1.0;
    QImage image_;
};

// Gives a panel of the hands window the green of the table and its caption
// the bold white heading at the top; `zoom` scales the heading.
void StyleTablePanel(QFrame& panel, QLabel& caption, double zoom = 1.0);

class THandPanel : public QFrame {
  public:
    // `seat` is "North", "East", "South" or "West": the label's text and the
    // start of the object names (NorthPanel, NorthImage, NorthLabel).
    THandPanel(const QString& seat, QWidget* parent, const TCardImages& images,
               TCardFaceCache& faces);

    TCardRowView* View() const { return view_; }
    const QImage& Image() const { return view_->Image(); }
    QLabel* Label() const { return label_; }
    // Sizes the panel, its label and its image for zoom `zoom` and draws the
    // cards again at the device-pixel ratio `ratio`.
    void SetScale(double zoom, double ratio);

  private:
    QLabel* label_;
    TCardRowView* view_;
};

} // namespace kv
