#pragma once
// PatternList: all 560 suit-length patterns, and which pairs fit side by side.
//
// The editor tests up to 560 x 560 pattern pairs on every step of a drag, so
// the list keeps, for each pattern, the set of patterns that fit beside it; a
// "fits beside some pattern of a list" test is then one AND of two bit sets.

#include "params/HandPattern.h"

#include <bitset>
#include <cstdint>
#include <vector>

namespace kv {

inline constexpr int kPatternCount = 560;

// A set of patterns, bit i standing for entry i of PatternList.
using TPatternSet = std::bitset<kPatternCount>;

// Two patterns fit beside each other when, suit by suit, their lengths add up
// to at most 13 (two hands of one deal can hold them).
constexpr bool FitsBeside(std::uint16_t a, std::uint16_t b) {
    for (int suit = 0; suit < 4; ++suit)
        if (SuitCount(a, suit) + SuitCount(b, suit) > 13) return false;
    return true;
}

class TPatternList {
  public:
    // Builds the 560 patterns in ascending order of their 16-bit value
    // (0-0-0-13 first, 13-0-0-0 last) and the fit table. Never changes after.
    TPatternList();

    int Count() const { return static_cast<int>(Hands.size()); }
    const THand& operator[](int index) const { return Hands[static_cast<std::size_t>(index)]; }
    const std::vector<THand>& All() const { return Hands; }

    // Whether pattern `index` fits beside at least one pattern of `list`.
    bool FitsWithSome(int index, const TPatternSet& list) const {
        return (Fits[static_cast<std::size_t>(index)] & list).any();
    }

  private:
    std::vector<THand> Hands;
    std::vector<TPatternSet> Fits; // Fits[i]: the patterns that fit beside pattern i
};

} // namespace kv
