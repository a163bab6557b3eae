#include "Diagram.h"

namespace kv::printlib {

std::optional<TLayout> LayoutOf(int code) {
    switch (code) {
    case 1:
        return TLayout{TDiagram::Compass, TSeat::North};
    case 2:
        return TLayout{TDiagram::OneHand, TSeat::North};
    case 3:
        return TLayout{TDiagram::OneHand, TSeat::East};
    case 4:
        return TLayout{TDiagram::OneHand, TSeat::South};
    case 5:
        return TLayout{TDiagram::OneHand, TSeat::West};
    case 6:
        return TLayout{TDiagram::NorthSouth, TSeat::North};
    default:
        return std::nullopt;
    }
}

} // namespace kv::printlib
