#pragma once
// The six layouts of a copy and the diagram each draws per board.

#include "HeldDeal.h"

#include <optional>

namespace kv::printlib {

enum class TDiagram {
    Compass,    // all four hands around the board
    NorthSouth, // North above South
    OneHand     // a single seat
};

struct TLayout {
    TDiagram Diagram;
    TSeat Seat; // the seat of a one-hand layout
};

// Layout codes: 1 all four hands, 2 North, 3 East, 4 South, 5 West, 6 North
// and South. Nothing for any other code.
std::optional<TLayout> LayoutOf(int code);

} // namespace kv::printlib
