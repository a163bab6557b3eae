#pragma once
// The engine's arithmetic as it was written for the x87 long double, kept as
// the reference for the integer implementation. Only for targets where long
// double is the 80-bit x87 type.

#include "engine/PatternCache.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64, "the x87 80-bit type is needed");

namespace kv::test {

inline long double Hardware(TExtended x) {
    if (x.IsZero()) return 0.0L;
    return std::ldexp(static_cast<long double>(x.Significand()), x.Exponent() - 63);
}

inline TExtended Portable(long double x) {
    if (x == 0) return {};
    int exponent = 0;
    const long double fraction = std::frexp(x, &exponent); // in [1/2, 1)
    return TExtended::FromParts(static_cast<std::uint64_t>(std::ldexp(fraction, 64)), exponent - 1);
}

inline long double HardwareBinomial(int n, int k) {
    if (k > n) return 0;
    if (k == n || k == 0) return 1;
    long double numerator = 1;
    for (int i = n; i > k; --i)
        numerator *= i;
    long double denominator = 1;
    for (int i = 2; i <= n - k; ++i)
        denominator *= i;
    return numerator / denominator;
}

inline long double HardwareWeight(std::uint16_t pattern, std::uint16_t south) {
    auto b = [&](int suit) {
        return HardwareBinomial(13 - SuitCount(south, suit), SuitCount(pattern, suit));
    };
    return b(3) * b(2) * b(1) * b(0) / 635013559600.0L;
}

// The weighted draw as the long double engine made it, for the new seed s.
inline int HardwareDraw(const TDistList& list, std::uint16_t south, std::uint32_t s) {
    long double sum = 0;
    for (const TDist& d : list)
        sum = sum + HardwareWeight(d.Pattern, south);
    const long double t =
        static_cast<long double>(s) * static_cast<long double>(2.3283064365386963e-10) * sum;
    std::size_t i = 0;
    long double cum = HardwareWeight(list[0].Pattern, south);
    while (i < list.size() && t > cum) {
        ++i;
        if (i < list.size()) cum = cum + HardwareWeight(list[i].Pattern, south);
    }
    return static_cast<int>(i < list.size() ? i : list.size() - 1);
}

// The least seed whose draw product exceeds total, by bisection, as the
// cached path first computed it.
inline std::uint64_t HardwareThreshold(long double total, long double sum) {
    std::uint64_t lo = 0, hi = std::uint64_t{1} << 32;
    while (lo < hi) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        if (static_cast<long double>(mid) * static_cast<long double>(2.3283064365386963e-10) * sum >
            total)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Every weight, running total and draw threshold of a cached list equals the
// one the long double engine made.
inline void ExpectListMatchesHardware(const TWeightedPatterns& list, std::uint16_t south) {
    long double sumLD = 0;
    TExtended sum;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const long double weight = HardwareWeight(list.Code(i), south);
        ASSERT_EQ(list.Weight(i), Portable(weight))
            << "pattern " << list.Code(i) << " beside " << south;
        sumLD = sumLD + weight;
        sum = sum + list.Weight(i);
        ASSERT_EQ(sum, Portable(sumLD)) << "running total " << i << " beside " << south;
    }
    long double cumLD = 0;
    TExtended cum;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        cumLD = cumLD + HardwareWeight(list.Code(i), south);
        cum = cum + list.Weight(i);
        ASSERT_EQ(DrawThreshold(cum, sum), HardwareThreshold(cumLD, sumLD))
            << "entry " << i << " beside " << south;
    }
}

} // namespace kv::test
