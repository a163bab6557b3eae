#pragma once
// The card faces at the sizes a window needs: each face is drawn at a size
// when it is first asked for there, and kept. The faces of the few sizes used
// last are kept; a window that is resized back and forth draws nothing twice.

#include "output/cardfaces/CardFaces.h"

#include <QImage>

#include <array>
#include <deque>

namespace kv {

class TCardFaceCache {
  public:
    static constexpr std::size_t kSizesKept = 3;

    // The scale at which a card is `width` device pixels wide: width / 71, so
    // that 71 is exactly the card's own size.
    static double ScaleOfWidth(int width) { return width / double(kCardWidth); }
    // The device width of a card at a scale, rounded to whole pixels.
    static int WidthAtScale(double scale);

    // The face of card `index` drawn `width` device pixels wide (and as high
    // as the scale makes it); a null image for an index outside 1..52 or a
    // width below 1.
    const QImage& Face(int index, int width);
    // How many sizes are kept now.
    std::size_t SizesKept() const { return sizes_.size(); }

  private:
    struct TSize {
        int Width = 0;
        std::array<QImage, kCardCount> Faces;
    };
    TSize& SizeOf(int width);

    std::deque<TSize> sizes_; // the size used last first
    QImage none_;
};

} // namespace kv
