// Packs the drawn upper halves into the court-picture block at compile time:
// frame, suit pip in the top-left corner, and the lower half as the upper half
// turned by half a turn.
#include "CourtArt.h"

#include "CourtJacks.h"
#include "CourtKings.h"
#include "CourtQueens.h"
#include "SuitMasks.h"

namespace kv {
namespace {

using TPixels = std::array<std::array<std::uint8_t, kCourtWidth>, kCourtHeight>;

constexpr int kFrameRight = kCourtWidth - 2; // column 46; column 47 stays white
constexpr int kPipLeft = 2, kPipTop = 2;

constexpr std::uint8_t PaletteOf(char c) {
    switch (c) {
    case '#':
        return kCourtBlack;
    case 'R':
        return kCourtRed;
    case 'Y':
        return kCourtYellow;
    case '.':
        return kCourtWhite;
    default:
        throw "court pictures hold only '#', 'R', 'Y' and '.'";
    }
}

constexpr void DrawUpperHalf(TPixels& p, const art::TCourtHalf& half) {
    for (int x = 0; x <= kFrameRight; ++x)
        p[0][x] = kCourtBlack;
    for (int y = 1; y <= art::kHalfHeight; ++y) {
        if (half[y - 1].size() != art::kHalfWidth) throw "court rows are 45 pixels";
        p[y][0] = p[y][kFrameRight] = kCourtBlack;
        for (int x = 1; x <= art::kHalfWidth; ++x)
            p[y][x] = PaletteOf(half[y - 1][x - 1]);
    }
}

constexpr void DrawPip(TPixels& p, int suitBase) {
    const std::uint8_t colour =
        (suitBase == kDiamondsBase || suitBase == kHeartsBase) ? kCourtRed : kCourtBlack;
    const TSmallSuitMask& mask = SmallSuitMask(suitBase);
    for (int r = 0; r < kSmallSuitSize; ++r)
        for (int c = 0; c < kSmallSuitSize; ++c)
            if (MaskBit(mask[r], c)) p[kPipTop + r][kPipLeft + c] = colour;
}

// Rows 37..73 repeat rows 36..0 with the frame's columns mirrored.
constexpr void TurnIntoLowerHalf(TPixels& p) {
    for (int y = kCourtHeight / 2; y < kCourtHeight; ++y)
        for (int x = 0; x <= kFrameRight; ++x)
            p[y][x] = p[kCourtHeight - 1 - y][kFrameRight - x];
}

constexpr TPixels Compose(const art::TCourtHalf& half, int suitBase) {
    TPixels p{};
    for (auto& row : p)
        row.fill(kCourtWhite);
    DrawUpperHalf(p, half);
    DrawPip(p, suitBase);
    TurnIntoLowerHalf(p);
    return p;
}

constexpr void Pack(const TPixels& p, TCourtBlock& block, int picture) {
    for (int y = 0; y < kCourtHeight; ++y)
        for (int x = 0; x < kCourtWidth; ++x)
            block[picture * kCourtBytes + y * kCourtRowBytes + x / 4] |=
                std::uint8_t(p[y][x] << (2 * (x % 4)));
}

constexpr TCourtBlock BuildBlock() {
    // In block order: spades, hearts, diamonds, clubs within each rank.
    const art::TCourtHalf* halves[kCourtCount] = {
        &art::kJackOfSpades,  &art::kJackOfHearts,  &art::kJackOfDiamonds,  &art::kJackOfClubs,
        &art::kQueenOfSpades, &art::kQueenOfHearts, &art::kQueenOfDiamonds, &art::kQueenOfClubs,
        &art::kKingOfSpades,  &art::kKingOfHearts,  &art::kKingOfDiamonds,  &art::kKingOfClubs};
    TCourtBlock block{};
    for (int n = 0; n < kCourtCount; ++n)
        Pack(Compose(*halves[n], SuitBaseOfSuit(n % 4)), block, n);
    return block;
}

constexpr TCourtBlock kCourtBlock = BuildBlock();

} // namespace

const TCourtBlock& CourtPictures() {
    return kCourtBlock;
}

int CourtPixel(int picture, int x, int y) {
    const std::uint8_t byte =
        kCourtBlock[static_cast<std::size_t>(picture * kCourtBytes + y * kCourtRowBytes + x / 4)];
    return (byte >> (2 * (x % 4))) & 3;
}

} // namespace kv
