// The centre of a card face: pips for the ace to the ten, the ornate spade on
// the ace of spades, the court pictures on the jack, queen and king.
#include "AceOfSpadesArt.h"
#include "CardFaceParts.h"
#include "CourtArt.h"
#include "SuitMasks.h"
#include "output/cardfaces/CardFaces.h"

#include <array>

namespace kv {
namespace {

constexpr int kLeftColumn = 15, kCentreColumn = 28, kRightColumn = 41;

// One pip position: in both side columns or in the centre column, upright with
// its top row at Row, or upside down with its bottom row at Row.
struct TPipPlace {
    bool Sides;
    int Row;
    bool Upright;
};

struct TPipLayout {
    int Count;
    std::array<TPipPlace, 6> Places;
};

constexpr TPipPlace SideUp(int row) {
    return {true, row, true};
}
constexpr TPipPlace SideDown(int row) {
    return {true, row, false};
}
constexpr TPipPlace CentreUp(int row) {
    return {false, row, true};
}
constexpr TPipPlace CentreDown(int row) {
    return {false, row, false};
}

// Indexed by rank number 1 (ace) to 10.
constexpr std::array<TPipLayout, 11> kPipLayouts{{
    {0, {}},
    {1, {CentreUp(39)}},
    {2, {CentreUp(10), CentreDown(85)}},
    {3, {CentreUp(10), CentreUp(39), CentreDown(85)}},
    {2, {SideUp(10), SideDown(85)}},
    {3, {SideUp(10), SideDown(85), CentreUp(39)}},
    {3, {SideUp(10), SideUp(39), SideDown(85)}},
    {4, {SideUp(10), SideUp(39), SideDown(85), CentreUp(25)}},
    {4, {SideUp(10), SideUp(31), SideDown(64), SideDown(85)}},
    {5, {SideUp(10), SideUp(31), SideDown(64), SideDown(85), CentreUp(39)}},
    {6, {SideUp(10), SideUp(31), SideDown(64), SideDown(85), CentreUp(20), CentreDown(75)}},
}};

void DrawPips(TFaceCanvas& canvas, int suitBase, int rank, QRgb colour) {
    const TPipLayout& layout = kPipLayouts[static_cast<std::size_t>(rank)];
    for (int i = 0; i < layout.Count; ++i) {
        const TPipPlace& p = layout.Places[static_cast<std::size_t>(i)];
        if (p.Sides) {
            DrawPip(canvas, suitBase, kLeftColumn, p.Row, p.Upright, colour);
            DrawPip(canvas, suitBase, kRightColumn, p.Row, p.Upright, colour);
        } else {
            DrawPip(canvas, suitBase, kCentreColumn, p.Row, p.Upright, colour);
        }
    }
}

void DrawAceOfSpades(TFaceCanvas& canvas) {
    constexpr int kAceLeft = 17, kAceTop = 25, kMarkLeft = 25, kMarkTop = 68;
    for (int y = 0; y < kAceHeight; ++y)
        for (int x = 0; x < kAceWidth; ++x)
            if (AcePixel(x, y)) canvas.Pixel(kAceLeft + x, kAceTop + y, kCardBlack);
    for (int y = 0; y < kMarkHeight; ++y)
        for (int x = 0; x < kMarkWidth; ++x)
            if (MarkPixel(x, y)) canvas.Pixel(kMarkLeft + x, kMarkTop + y, kCardBlack);
}

// Every pixel of the picture is painted, white ones included.
void DrawCourtPicture(TFaceCanvas& canvas, int suitBase, int rank) {
    constexpr int kLeft = 12, kTop = 11;
    constexpr QRgb kPalette[4] = {kCardBlack, kCardRed, kCardYellow, kCardWhite};
    const int picture = CourtPictureNumber(suitBase, rank);
    for (int y = 0; y < kCourtHeight; ++y)
        for (int x = 0; x < kCourtWidth; ++x)
            canvas.Pixel(kLeft + x, kTop + y, kPalette[CourtPixel(picture, x, y)]);
}

} // namespace

void DrawPip(TFaceCanvas& canvas, int suitBase, int x, int y, bool upright, QRgb colour) {
    const TPipMask& mask = PipMask(suitBase);
    for (int r = 0; r < kPipSize; ++r) {
        const int row = upright ? y + r : y - r;
        for (int c = 0; c < kPipSize; ++c)
            if (MaskBit(mask[static_cast<std::size_t>(r)], c)) canvas.Pixel(x + c, row, colour);
    }
}

void DrawPip(QImage& image, int suitBase, int x, int y, bool upright, QRgb colour) {
    TFaceCanvas canvas(image, 1.0);
    DrawPip(canvas, suitBase, x, y, upright, colour);
}

void DrawCardFace(TFaceCanvas& canvas, int suitBase, int rank) {
    if (rank == kAceRank && suitBase == kSpadesBase)
        DrawAceOfSpades(canvas);
    else if (rank >= kJackRank)
        DrawCourtPicture(canvas, suitBase, rank);
    else
        DrawPips(canvas, suitBase, rank, SuitColour(suitBase));
    DrawCornerIndex(canvas, rank, suitBase);
}

} // namespace kv
