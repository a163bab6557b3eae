#pragma once
// The one-bit suit masks of the card faces. Each row is a 16-bit value whose
// most significant bit is the leftmost pixel; the lowest bit is always clear.

#include "output/cardfaces/CardIndex.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace kv {

inline constexpr int kPipSize = 15;       // pips are 15 x 15
inline constexpr int kSmallSuitSize = 11; // corner-index suit symbols are 11 x 11

using TPipMask = std::array<std::uint16_t, kPipSize>;
using TSmallSuitMask = std::array<std::uint16_t, kSmallSuitSize>;

inline constexpr TPipMask kSpadePip{0x0100, 0x0380, 0x07C0, 0x0FE0, 0x1FF0, 0x3FF8, 0x7FFC, 0x7FFC,
                                    0xFFFE, 0xFFFE, 0xFFFE, 0xFD7E, 0x793C, 0x0380, 0x07C0};
inline constexpr TPipMask kHeartPip{0x3C78, 0x7EFC, 0xFEFE, 0xFFFE, 0xFFFE, 0xFFFE, 0xFFFE, 0x7FFC,
                                    0x7FFC, 0x3FF8, 0x1FF0, 0x0FE0, 0x07C0, 0x0380, 0x0100};
inline constexpr TPipMask kDiamondPip{0x0100, 0x0380, 0x07C0, 0x0FE0, 0x1FF0,
                                      0x3FF8, 0x7FFC, 0xFFFE, 0x7FFC, 0x3FF8,
                                      0x1FF0, 0x0FE0, 0x07C0, 0x0380, 0x0100};
inline constexpr TPipMask kClubPip{0x0380, 0x07C0, 0x0FE0, 0x0FE0, 0x0FE0, 0x07C0, 0x3BB8, 0x7FFC,
                                   0xFFFE, 0xFFFE, 0xFFFE, 0x7D7C, 0x3938, 0x0380, 0x07C0};

inline constexpr TSmallSuitMask kSpadeSmall{0x0400, 0x0E00, 0x1F00, 0x3F80, 0x7FC0, 0x7FC0,
                                            0x7FC0, 0x3580, 0x0E00, 0x0E00, 0x0000};
inline constexpr TSmallSuitMask kHeartSmall{0x0000, 0x3B80, 0x7BC0, 0x7FC0, 0x7FC0, 0x7FC0,
                                            0x3F80, 0x1F00, 0x0E00, 0x0400, 0x0000};
inline constexpr TSmallSuitMask kDiamondSmall{0x0000, 0x0400, 0x0E00, 0x1F00, 0x3F80, 0x7FC0,
                                              0x3F80, 0x1F00, 0x0E00, 0x0400, 0x0000};
inline constexpr TSmallSuitMask kClubSmall{0x0E00, 0x1F00, 0x1F00, 0x1F00, 0x6EC0, 0xFFE0,
                                           0xFFE0, 0xFFE0, 0x75C0, 0x0E00, 0x0E00};

// The masks of the suit with the given suit base (0 clubs, 13 diamonds,
// 26 hearts, 39 spades); another value asserts in a debug build.
constexpr const TPipMask& PipMask(int suitBase) {
    assert(IsSuitBase(suitBase));
    switch (suitBase) {
    case kClubsBase:
        return kClubPip;
    case kDiamondsBase:
        return kDiamondPip;
    case kHeartsBase:
        return kHeartPip;
    default:
        return kSpadePip;
    }
}

constexpr const TSmallSuitMask& SmallSuitMask(int suitBase) {
    assert(IsSuitBase(suitBase));
    switch (suitBase) {
    case kClubsBase:
        return kClubSmall;
    case kDiamondsBase:
        return kDiamondSmall;
    case kHeartsBase:
        return kHeartSmall;
    default:
        return kSpadeSmall;
    }
}

// True when bit `column` (0 = leftmost) of a mask row is set.
constexpr bool MaskBit(std::uint16_t row, int column) {
    return (row & (0x8000u >> column)) != 0;
}

} // namespace kv
