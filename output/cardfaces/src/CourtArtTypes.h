#pragma once
// Shapes shared by the court pictures and their packing.

#include <array>
#include <string_view>

namespace kv {

inline constexpr int kCourtWidth = 48;  // the 48th column is white, outside the frame
inline constexpr int kCourtHeight = 74; // the lower 37 rows repeat the upper 37 turned
inline constexpr int kCourtRowBytes = 12;
inline constexpr int kCourtBytes = kCourtRowBytes * kCourtHeight; // 888
inline constexpr int kCourtCount = 12;

// Palette values of the two-bit court pixels.
enum TCourtColour : int { kCourtBlack = 0, kCourtRed = 1, kCourtYellow = 2, kCourtWhite = 3 };

namespace art {
inline constexpr int kHalfWidth = 45;  // columns 1..45, inside the frame
inline constexpr int kHalfHeight = 36; // rows 1..36, below the top of the frame
using TCourtHalf = std::array<std::string_view, kHalfHeight>;
} // namespace art

} // namespace kv
