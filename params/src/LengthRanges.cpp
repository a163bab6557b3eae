#include "params/LengthRanges.h"

#include <algorithm>

namespace kv {
namespace {

const char* const kLengthRangesError = "Error raised in GetLengthRanges";

TPatternSet Candidates(const TPatternList& patterns, const THandLengths& requested) {
    TPatternSet set;
    for (int i = 0; i < patterns.Count(); ++i)
        set[static_cast<std::size_t>(i)] = requested.Admits(patterns[i].Pattern);
    return set;
}

// Keeps the members of `set` that fit beside at least one pattern of `others`.
TPatternSet FittingBeside(const TPatternList& patterns, const TPatternSet& set,
                          const TPatternSet& others) {
    TPatternSet kept;
    for (int i = 0; i < patterns.Count(); ++i)
        if (set[static_cast<std::size_t>(i)] && patterns.FitsWithSome(i, others))
            kept[static_cast<std::size_t>(i)] = true;
    return kept;
}

// The least and greatest length of each suit among a non-empty set.
THandLengths BoundsOf(const TPatternList& patterns, const TPatternSet& set) {
    THandLengths bounds{{13, 13, 13, 13}, {0, 0, 0, 0}};
    for (int i = 0; i < patterns.Count(); ++i) {
        if (!set[static_cast<std::size_t>(i)]) continue;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            const int length = SuitCount(patterns[i].Pattern, static_cast<int>(suit));
            bounds.Min[suit] = std::min(bounds.Min[suit], length);
            bounds.Max[suit] = std::max(bounds.Max[suit], length);
        }
    }
    return bounds;
}

} // namespace

bool THandLengths::Admits(std::uint16_t pattern) const {
    for (std::size_t suit = 0; suit < 4; ++suit) {
        const int length = SuitCount(pattern, static_cast<int>(suit));
        if (length < Min[suit] || length > Max[suit]) return false;
    }
    return true;
}

TLengthRanges GetLengthRanges(const TPatternList& patterns, const TLengthRanges& requested) {
    const TPatternSet south = Candidates(patterns, requested.South);
    if (south.none()) throw EImpossibleHand(kLengthRangesError);
    const TPatternSet north = FittingBeside(patterns, Candidates(patterns, requested.North), south);
    if (north.none()) throw EImpossibleHand(kLengthRangesError);
    const TPatternSet southFitting = FittingBeside(patterns, south, north);
    if (southFitting.none()) throw EImpossibleHand(kLengthRangesError);
    return {BoundsOf(patterns, southFitting), BoundsOf(patterns, north)};
}

} // namespace kv
