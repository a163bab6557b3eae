// The corner index of a card face: the rank symbol, drawn as one-pixel lines
// in side-by-side pairs so that every stroke is two pixels thick, the small
// suit symbol under it, and the half-turned copy in the bottom-right corner.
#include "CardFaceParts.h"
#include "SuitMasks.h"
#include "output/cardfaces/CardFaces.h"

#include <span>

namespace kv {
namespace {

// One stroke: two one-pixel lines side by side.
struct TStroke {
    TLine A, B;
};

// Symbols are 12 pixels high (rows 4..15; the tail of the Q reaches row 17).
// The ace and the ten to two stay within x 2..13 (the ace from x 3), the jack,
// queen and king within x 2..11, so that the copied corner holds them whole.
constexpr TStroke kRankA[] = {{{8, 4, 4, 13}, {9, 4, 5, 13}},
                              {{8, 4, 12, 13}, {9, 4, 13, 13}},
                              {{6, 10, 10, 10}, {6, 11, 10, 11}},
                              {{3, 14, 6, 14}, {3, 15, 6, 15}},
                              {{10, 14, 13, 14}, {10, 15, 13, 15}}};
constexpr TStroke kRank2[] = {{{5, 4, 8, 4}, {4, 5, 9, 5}},
                              {{3, 6, 3, 7}, {4, 6, 4, 7}},
                              {{9, 6, 9, 8}, {10, 6, 10, 8}},
                              {{9, 9, 5, 13}, {8, 9, 4, 13}},
                              {{3, 14, 10, 14}, {3, 15, 10, 15}}};
constexpr TStroke kRank3[] = {{{5, 4, 8, 4}, {4, 5, 9, 5}},       {{3, 6, 3, 7}, {4, 6, 4, 7}},
                              {{9, 6, 9, 7}, {10, 6, 10, 7}},     {{6, 8, 9, 8}, {6, 9, 9, 9}},
                              {{9, 10, 9, 13}, {10, 10, 10, 13}}, {{4, 14, 9, 14}, {5, 15, 8, 15}},
                              {{3, 12, 3, 13}, {4, 12, 4, 13}}};
constexpr TStroke kRank4[] = {{{8, 4, 8, 15}, {9, 4, 9, 15}},
                              {{7, 5, 3, 11}, {8, 5, 4, 11}},
                              {{3, 12, 10, 12}, {3, 13, 10, 13}}};
constexpr TStroke kRank5[] = {{{3, 4, 10, 4}, {3, 5, 10, 5}},   {{3, 6, 3, 8}, {4, 6, 4, 8}},
                              {{3, 8, 8, 8}, {3, 9, 9, 9}},     {{9, 10, 9, 13}, {10, 10, 10, 13}},
                              {{4, 14, 9, 14}, {5, 15, 8, 15}}, {{3, 12, 3, 13}, {4, 12, 4, 13}}};
constexpr TStroke kRank6[] = {{{6, 4, 9, 4}, {5, 5, 9, 5}},       {{4, 6, 4, 6}, {5, 6, 5, 6}},
                              {{3, 7, 3, 13}, {4, 7, 4, 13}},     {{5, 8, 8, 8}, {4, 9, 9, 9}},
                              {{9, 10, 9, 13}, {10, 10, 10, 13}}, {{4, 14, 9, 14}, {5, 15, 8, 15}}};
constexpr TStroke kRank7[] = {{{3, 4, 10, 4}, {3, 5, 10, 5}}, {{9, 6, 5, 15}, {10, 6, 6, 15}}};
constexpr TStroke kRank8[] = {{{5, 4, 8, 4}, {4, 5, 9, 5}},     {{3, 6, 3, 7}, {4, 6, 4, 7}},
                              {{9, 6, 9, 7}, {10, 6, 10, 7}},   {{4, 8, 9, 8}, {4, 9, 9, 9}},
                              {{3, 10, 3, 13}, {4, 10, 4, 13}}, {{9, 10, 9, 13}, {10, 10, 10, 13}},
                              {{4, 14, 9, 14}, {5, 15, 8, 15}}};
constexpr TStroke kRank9[] = {{{7, 15, 4, 15}, {8, 14, 4, 14}}, {{9, 13, 9, 13}, {8, 13, 8, 13}},
                              {{10, 12, 10, 6}, {9, 12, 9, 6}}, {{8, 11, 5, 11}, {9, 10, 4, 10}},
                              {{4, 9, 4, 6}, {3, 9, 3, 6}},     {{9, 5, 4, 5}, {8, 4, 5, 4}}};
// The "1" is a bar at x 3 and 4, the "0" a rounded ring from x 6 to 11.
constexpr TStroke kRank10[] = {{{3, 4, 3, 15}, {4, 4, 4, 15}},
                               {{8, 4, 9, 4}, {7, 5, 10, 5}},
                               {{6, 6, 6, 13}, {7, 6, 7, 13}},
                               {{10, 6, 10, 13}, {11, 6, 11, 13}},
                               {{7, 14, 10, 14}, {8, 15, 9, 15}}};
constexpr TStroke kRankJ[] = {{{4, 4, 10, 4}, {4, 5, 10, 5}},
                              {{7, 6, 7, 13}, {8, 6, 8, 13}},
                              {{3, 14, 7, 14}, {4, 15, 6, 15}},
                              {{2, 12, 2, 13}, {3, 12, 3, 13}}};
constexpr TStroke kRankQ[] = {{{4, 4, 7, 4}, {3, 5, 8, 5}},
                              {{2, 6, 2, 13}, {3, 6, 3, 13}},
                              {{8, 6, 8, 13}, {9, 6, 9, 13}},
                              {{3, 14, 8, 14}, {4, 15, 7, 15}},
                              {{5, 12, 10, 17}, {6, 12, 11, 17}}};
constexpr TStroke kRankK[] = {{{3, 4, 3, 15}, {4, 4, 4, 15}},    {{2, 4, 5, 4}, {2, 5, 5, 5}},
                              {{8, 4, 11, 4}, {8, 5, 11, 5}},    {{9, 6, 5, 10}, {10, 6, 6, 10}},
                              {{6, 10, 9, 13}, {7, 10, 10, 13}}, {{2, 14, 5, 14}, {2, 15, 5, 15}},
                              {{8, 14, 11, 14}, {8, 15, 11, 15}}};

// Indexed by rank number 1 (ace) to 13 (king).
constexpr std::span<const TStroke> kRankSymbols[] = {{},      kRankA, kRank2, kRank3, kRank4,
                                                     kRank5,  kRank6, kRank7, kRank8, kRank9,
                                                     kRank10, kRankJ, kRankQ, kRankK};

// The left column of the small suit symbol, and the right edge of the corner
// that is copied: ace 3 and 13, two to ten 2 and 13, courts 1 and 11.
constexpr int IndexLeft(int rank) {
    return rank == kAceRank ? 3 : rank <= 10 ? 2 : 1;
}
constexpr int IndexRight(int rank) {
    return rank <= 10 ? 13 : 11;
}

constexpr int kIndexTop = 4, kIndexBottom = 28, kSuitSymbolTop = 18;

void DrawSmallSuit(TFaceCanvas& canvas, int suitBase, int left, QRgb colour) {
    const TSmallSuitMask& mask = SmallSuitMask(suitBase);
    for (int r = 0; r < kSmallSuitSize; ++r)
        for (int c = 0; c < kSmallSuitSize; ++c)
            if (MaskBit(mask[static_cast<std::size_t>(r)], c))
                canvas.Pixel(left + c, kSuitSymbolTop + r, colour);
}

} // namespace

void DrawRankSymbol(TFaceCanvas& canvas, int rank, QRgb colour) {
    if (rank < kAceRank || rank > kKingRank) return;
    for (const TStroke& s : kRankSymbols[rank]) {
        const TLine lines[] = {s.A, s.B};
        canvas.Stroke(lines, colour);
    }
}

void DrawRankSymbol(QImage& image, int rank, QRgb colour) {
    TFaceCanvas canvas(image, 1.0);
    DrawRankSymbol(canvas, rank, colour);
}

// The copy turns the corner by half a turn: (x, y) goes to (70 - x, 95 - y).
void DrawCornerIndex(TFaceCanvas& canvas, int rank, int suitBase) {
    const QRgb colour = SuitColour(suitBase);
    DrawRankSymbol(canvas, rank, colour);
    DrawSmallSuit(canvas, suitBase, IndexLeft(rank), colour);
    canvas.CopyTurned(IndexLeft(rank), kIndexTop, IndexRight(rank), kIndexBottom);
}

} // namespace kv
