#pragma once
// Where the drawing steps of a card face paint: the image of one card at some
// scale. The steps speak in card pixels, the 71 x 96 pixels of the card at its
// own size; at scale s, card pixel (x, y) covers the device pixels from
// round(x * s) to round((x + 1) * s) - 1 in each direction. The art that is
// pixel data (pips, suit symbols, court pictures, the ace of spades, the
// outline) is drawn as such blocks, sharp at any size; the strokes of the rank
// symbols are drawn as smooth lines at the scale. At scale 1 every step paints
// exactly the pixels it names, as the faces have always been drawn.

#include <QImage>

#include <span>

namespace kv {

// One one-pixel line of a rank symbol, both end points included.
struct TLine {
    int X0, Y0, X1, Y1;
};

// The size in device pixels of a card drawn at `scale`.
QSize CardDeviceSize(double scale);
// The device coordinate where card coordinate `v` starts at `scale`.
int DeviceEdge(double v, double scale);

class TFaceCanvas {
  public:
    // `image` must be Format_RGB32 and at least CardDeviceSize(scale).
    TFaceCanvas(QImage& image, double scale) : image_(image), scale_(scale) {}

    double Scale() const { return scale_; }
    QImage& Image() { return image_; }

    // Paints card pixel (x, y); pixels outside the card are never touched.
    void Pixel(int x, int y, QRgb colour);
    // A one-pixel line that includes both end points: the same card pixels at
    // every scale.
    void PixelLine(int x0, int y0, int x1, int y1, QRgb colour);
    // One stroke of a rank symbol, lines side by side taken as one shape: at
    // scale 1 the pixels of each line; at any other scale the lines as smooth
    // geometry, each as wide as one card pixel.
    void Stroke(std::span<const TLine> lines, QRgb colour);
    // Copies the card pixels x0..x1, y0..y1 turned by half a turn about the
    // card's centre, so that (x, y) lands on (70 - x, 95 - y).
    void CopyTurned(int x0, int y0, int x1, int y1);

  private:
    QImage& image_;
    double scale_;
};

} // namespace kv
