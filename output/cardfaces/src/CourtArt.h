#pragma once
// The twelve court pictures in one block of 12 x 888 bytes: jacks of spades,
// hearts, diamonds, clubs, then the queens, then the kings. Within a picture
// the bytes run row by row from the top, 12 to a row; each byte holds four
// pixels, its lowest bit pair the leftmost. Values: TCourtColour.

#include "CourtArtTypes.h"
#include "output/cardfaces/CardIndex.h"

#include <cstdint>

namespace kv {

using TCourtBlock = std::array<std::uint8_t, kCourtCount * kCourtBytes>;

const TCourtBlock& CourtPictures();

// Number 0..11 of the picture of a jack (rank number 11), queen (12) or king
// (13) of the suit with the given suit base: the block holds each rank's
// pictures in the order of the suit numbers, spades first.
constexpr int CourtPictureNumber(int suitBase, int rank) {
    return (rank - kJackRank) * 4 + SuitOfSuitBase(suitBase);
}

// Palette value of pixel (x, y) of a picture.
int CourtPixel(int picture, int x, int y);

} // namespace kv
