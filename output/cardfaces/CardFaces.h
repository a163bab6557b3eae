#pragma once
// Card faces drawn by the program itself, pixel by pixel: 52 images of 71 x 96
// pixels, built once when the hands window is created.
// Cards are named by their card index (CardIndex.h).
//
// The images are QImage::Format_RGB32 on purpose: every pixel is opaque and
// holds its exact 8-bit red, green and blue, so the transparent colour is a key
// compared as one 32-bit value (an alpha format would lose the key, and a
// premultiplied one could change colours), pixels are read and written without
// conversion, and tests can compare QImage::pixel() with the colours below.

#include "output/cardfaces/CardIndex.h"

#include <QImage>

#include <array>

namespace kv {

inline constexpr int kCardWidth = 71;
inline constexpr int kCardHeight = 96;

// Pixels of this colour are left out when a card is drawn onto a surface.
inline constexpr QRgb CardTransparentColor = qRgb(0x56, 0x34, 0x12);
inline constexpr QRgb kCardWhite = qRgb(255, 255, 255);
inline constexpr QRgb kCardBlack = qRgb(0, 0, 0);
inline constexpr QRgb kCardRed = qRgb(255, 0, 0);
inline constexpr QRgb kCardYellow = qRgb(255, 255, 0);

constexpr QRgb SuitColour(int suitBase) {
    return suitBase == kDiamondsBase || suitBase == kHeartsBase ? kCardRed : kCardBlack;
}

// The face of one card, drawn from scratch; a pure function of the index and
// the scale (device pixels per card pixel). At scale 1 the 71 x 96 image;
// at any other scale an image of CardDeviceSize(scale), the same drawing made
// at that size rather than the small image enlarged. A null image for an
// index outside 1..52 or a scale that is not positive.
QImage RenderCardImage(int index, double scale = 1.0);

// Copies `card` onto `surface` with its top-left corner at (x, y), leaving out
// the pixels of CardTransparentColor and whatever falls outside the surface.
// The surface must be Format_RGB32 or Format_ARGB32.
void DrawTransparent(QImage& surface, const QImage& card, int x, int y);

// The table of the 52 card images, owned by the hands window.
class TCardImages {
  public:
    // Builds the 52 images; does nothing when they are built already.
    void BuildCardImages();
    bool Built() const { return built_; }

    // The image of a card; a null image for an index outside 1..52 or before
    // the images are built.
    const QImage& Image(int index) const;
    // Draws a card onto a surface as DrawTransparent does; draws nothing for
    // an index outside 1..52 or before the images are built.
    void DrawCard(QImage& surface, int index, int x, int y) const;

  private:
    std::array<QImage, kCardCount> images_;
    QImage none_;
    bool built_ = false;
};

} // namespace kv
