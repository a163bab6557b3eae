#pragma once
// The suit-length bounds of the two hands, and how the editor derives the
// effective ones from the requested ones.

#include "params/PatternList.h"

#include <array>

namespace kv {

// One hand's bounds for spades, hearts, diamonds and clubs (index 0..3). As
// requested bounds, -1 and 14 mean "no request" and admit every length.
struct THandLengths {
    std::array<int, 4> Min{0, 0, 0, 0};
    std::array<int, 4> Max{13, 13, 13, 13};

    // Whether every suit length of the pattern lies within these bounds.
    bool Admits(std::uint16_t pattern) const;

    friend bool operator==(const THandLengths&, const THandLengths&) = default;
};

struct TLengthRanges {
    THandLengths South;
    THandLengths North;

    friend bool operator==(const TLengthRanges&, const TLengthRanges&) = default;
};

// GetLengthRanges: South's candidates are the patterns within South's
// requests; North's are those within North's requests that fit beside some
// South candidate; South's effective bounds come from the South candidates
// that fit beside some North candidate. Each effective bound is the least or
// greatest length of its suit among its hand's candidates. Raises
// EImpossibleHand("Error raised in GetLengthRanges") when a candidate list is
// empty. HCP bounds take no part.
TLengthRanges GetLengthRanges(const TPatternList& patterns, const TLengthRanges& requested);

} // namespace kv
