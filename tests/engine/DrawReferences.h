#pragma once
// The weighted draw done two other ways, to show what the 80-bit arithmetic
// decides: in 64-bit double (what a port to a platform whose long double is a
// double would do) and in exact rational arithmetic. Both work from the
// exact weight numerators: a pattern's weight is its hand count over C(52, 13).

#include "engine/Patterns.h"
#include "engine/Wide128.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kv::test {

// The number of hands of `pattern` among the cards South's pattern leaves
// (all 52 when south is 0): the exact numerator of PatternWeight.
inline std::uint64_t HandCount(std::uint16_t pattern, std::uint16_t south) {
    std::uint64_t count = 1;
    for (int suit = 3; suit >= 0; --suit) {
        const int n = 13 - SuitCount(south, suit), k = SuitCount(pattern, suit);
        if (k > n) return 0;
        std::uint64_t c = 1;
        for (int i = 1; i <= k; ++i)
            c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
        count *= c;
    }
    return count;
}

inline std::vector<std::uint64_t> HandCounts(const TDistList& list, std::uint16_t south) {
    std::vector<std::uint64_t> counts;
    for (const TDist& d : list)
        counts.push_back(HandCount(d.Pattern, south));
    return counts;
}

// The entry exact arithmetic draws for the new seed s: the first whose
// running count reaches s * 2^-32 * total, that is cum * 2^32 >= s * total.
inline int ExactDraw(std::span<const std::uint64_t> counts, std::uint32_t s) {
    std::uint64_t total = 0;
    for (std::uint64_t c : counts)
        total += c;
    const wide::TU128 target = wide::Mul(s, total);
    std::uint64_t cum = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        cum += counts[i];
        const wide::TU128 reached{cum >> 32, cum << 32};
        if (reached.Hi > target.Hi || (reached.Hi == target.Hi && reached.Lo >= target.Lo))
            return static_cast<int>(i);
    }
    return static_cast<int>(counts.size()) - 1;
}

// The same draw as ChoosePattern with every value a double.
inline int DoubleDraw(std::span<const std::uint64_t> counts, std::uint32_t s) {
    std::vector<double> weights;
    for (std::uint64_t c : counts)
        weights.push_back(static_cast<double>(c) / 635013559600.0);
    double sum = 0;
    for (double w : weights)
        sum = sum + w;
    const double t = static_cast<double>(s) * 2.3283064365386963e-10 * sum;
    std::size_t i = 0;
    double cum = weights[0];
    while (i < weights.size() && t > cum) {
        ++i;
        if (i < weights.size()) cum = cum + weights[i];
    }
    return static_cast<int>(i < weights.size() ? i : weights.size() - 1);
}

} // namespace kv::test
