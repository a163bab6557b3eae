#include "script/Program.h"

namespace kv::script {

// Index 0 is the two, 12 the ace.
TRankValues DefaultPointCount() {
    return {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
}

// tens, jacks, queens, kings, aces, top2 (AK), top3, top4, top5 (AKQJT), c13 (6 4 2 1).
std::array<TRankValues, kAltCounts> DefaultAltCounts() {
    std::array<TRankValues, kAltCounts> counts{};
    for (int k = 0; k < 5; ++k)
        counts[static_cast<std::size_t>(k)][static_cast<std::size_t>(8 + k)] = 1;
    for (int top = 2; top <= 5; ++top)
        for (int r = 13 - top; r < 13; ++r)
            counts[static_cast<std::size_t>(3 + top)][static_cast<std::size_t>(r)] = 1;
    counts[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 6};
    return counts;
}

} // namespace kv::script
