#pragma once
// One hand on the green table: a panel with its label ("North" or "South")
// centred along its top edge and the image on which the hand's cards are
// fanned from left to right.

#include "CardFaces.h"

#include <QFrame>
#include <QImage>

#include <vector>

class QLabel;

namespace kv {

// The geometry of the hands window, from the card size.
inline constexpr int kCardStep = kCardWidth / 5;                          // 14
inline constexpr int kHandImageLeft = 2 * kCardStep;                      // 28
inline constexpr int kHandImageTop = kCardHeight / 4;                     // 24
inline constexpr int kHandImageWidth = kCardWidth + 12 * kCardStep;       // 239
inline constexpr int kHandImageHeight = kCardHeight;                      // 96
inline constexpr int kHandPanelHeight = (kCardHeight * 3 + 1) / 2;        // 1.5 x 96, rounded: 144
inline constexpr int kHandsClientWidth = kHandImageWidth + 4 * kCardStep; // 295
inline constexpr int kControlPanelHeight = 41;
inline constexpr QRgb kTableColour = qRgb(0, 128, 0);

// The image a hand is drawn on; shows its QImage as it is.
class TCardRowView : public QWidget {
  public:
    explicit TCardRowView(QWidget* parent);

    const QImage& Image() const { return image_; }
    void Clear();
    // The card at position i (from 0) goes to x = i * CardStep, y = 0; later
    // cards cover earlier ones, transparent pixels leave the table showing.
    void DrawRow(const std::vector<int>& cardRow, const TCardImages& images);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

// Gives a panel of the hands window the green of the table and its caption
// the bold white heading at the top.
void StyleTablePanel(QFrame& panel, QLabel& caption);

class THandPanel : public QFrame {
  public:
    // `seat` is "North" or "South": the label's text and the start of the
    // object names (NorthPanel, NorthImage, NorthLabel).
    THandPanel(const QString& seat, QWidget* parent);

    TCardRowView* View() const { return view_; }
    const QImage& Image() const { return view_->Image(); }

  private:
    QLabel* label_;
    TCardRowView* view_;
};

} // namespace kv
