#pragma once
// An icon drawn by the program at the size and pixel ratio it is shown at,
// so that it is as sharp at 150% or 200% scaling as at 100%: the painter
// function draws in a box of 16 x 16 units, which the engine scales to the
// pixels asked for. The disabled look is the style's, made from that drawing.

#include <QIcon>

class QPainter;

namespace kv {

using TIconPainter = void (*)(QPainter& painter);

QIcon DrawnIcon(TIconPainter paint);

} // namespace kv
