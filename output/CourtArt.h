#pragma once
// The twelve court pictures in one block of 12 x 888 bytes: jacks of spades,
// hearts, diamonds, clubs, then the queens, then the kings. Within a picture
// the bytes run row by row from the top, 12 to a row; each byte holds four
// pixels, its lowest bit pair the leftmost. Values: TCourtColour.

#include "CourtArtTypes.h"

#include <cstdint>

namespace kv {

using TCourtBlock = std::array<std::uint8_t, kCourtCount * kCourtBytes>;

const TCourtBlock& CourtPictures();

// Number 0..11 of the picture of a jack (rank 11), queen (12) or king (13)
// of the suit with the given suit base.
constexpr int CourtPictureNumber(int suitBase, int rank) {
    const int suitOrder = suitBase == 39 ? 0 : suitBase == 26 ? 1 : suitBase == 13 ? 2 : 3;
    return (rank - 11) * 4 + suitOrder;
}

// Palette value of pixel (x, y) of a picture.
int CourtPixel(int picture, int x, int y);

} // namespace kv
