#pragma once
// The suit-length patterns of shape(): "5431" (spades, hearts, diamonds,
// clubs), "x" for any length, "any" for the suits in any order.

#include "script/Program.h"

#include <string>
#include <string_view>

namespace kv::script {

// Adds the patterns `pattern` stands for to `set`, or with `remove` takes
// them away. The fault as text when the pattern cannot hold 13 cards, else "".
std::string ApplyShape(TShapeSet& set, std::string_view pattern, bool any, bool remove);

} // namespace kv::script
