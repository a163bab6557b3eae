#pragma once
// The drawing steps of one card face, in the card's own coordinates ((0, 0)
// the top-left pixel), onto a canvas that may draw the card at any scale.
// Pixels outside the card are never touched.

#include "output/cardfaces/FaceCanvas.h"

#include <QImage>

namespace kv {

// The centre of a face (pips, court picture or the ace of spades design),
// then its corner indices. `rank` is 1 (ace) to 13 (king).
void DrawCardFace(TFaceCanvas& canvas, int suitBase, int rank);

// One pip with its left column at x. Upright, it spans rows y..y + 14;
// otherwise rows y - 14..y, upside down. Only the set bits are painted.
void DrawPip(TFaceCanvas& canvas, int suitBase, int x, int y, bool upright, QRgb colour);

// The rank symbol and the small suit symbol in the top-left corner, and that
// corner turned by half a turn into the bottom-right corner.
void DrawCornerIndex(TFaceCanvas& canvas, int rank, int suitBase);

// The rank symbol alone, with two-pixel strokes inside x 2..13, y 4..17.
void DrawRankSymbol(TFaceCanvas& canvas, int rank, QRgb colour);

// The same steps on an image of the card at its own size.
void DrawPip(QImage& image, int suitBase, int x, int y, bool upright, QRgb colour);
void DrawRankSymbol(QImage& image, int rank, QRgb colour);

} // namespace kv
