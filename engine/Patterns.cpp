#include "Patterns.h"

namespace kv {
namespace {

std::array<std::uint16_t, kPatternCount> MakePatternTable() {
    std::array<std::uint16_t, kPatternCount> table{};
    std::size_t n = 0;
    for (int s = 0; s <= 13; ++s)
        for (int h = 0; h <= 13 - s; ++h)
            for (int d = 0; d <= 13 - s - h; ++d)
                table[n++] = MakePattern(s, h, d, 13 - s - h - d);
    return table;
}

} // namespace

const std::array<std::uint16_t, kPatternCount>& PatternTable() {
    static const std::array<std::uint16_t, kPatternCount> table = MakePatternTable();
    return table;
}

TExtended Binomial(std::uint16_t n, std::uint16_t k) {
    if (k > n) return 0;
    if (k == n || k == 0) return 1;
    TExtended numerator = 1;
    for (int i = n; i > k; --i)
        numerator *= i;
    TExtended denominator = 1;
    for (int i = 2; i <= n - k; ++i)
        denominator *= i;
    return numerator / denominator;
}

bool PatternFits(const THandParam& type, TSide side, std::uint16_t pattern) {
    for (int suit = 0; suit < 4; ++suit) {
        const TRange r = kSuitRanges[static_cast<std::size_t>(suit)];
        const int length = SuitCount(pattern, suit);
        if (length < type.Min(side, r) || length > type.Max(side, r)) return false;
    }
    return true;
}

TExtended PatternWeight(std::uint16_t pattern, std::uint16_t south) {
    auto left = [&](int suit) { return static_cast<std::uint16_t>(13 - SuitCount(south, suit)); };
    auto len = [&](int suit) { return static_cast<std::uint16_t>(SuitCount(pattern, suit)); };
    // Clubs, diamonds, hearts, spades, left to right, then the division.
    return Binomial(left(3), len(3)) * Binomial(left(2), len(2)) * Binomial(left(1), len(1)) *
           Binomial(left(0), len(0)) / kHandsOf13;
}

void BuildSouthPatterns(const THandParam& type, TDistList& southPatterns) {
    southPatterns.clear();
    southPatterns.reserve(kPatternCount);
    for (std::uint16_t code : PatternTable())
        if (PatternFits(type, TSide::South, code))
            southPatterns.push_back({code, PatternWeight(code, 0)});
}

void BuildNorthPatterns(const THandParam& type, const TDist& south, TDistList& northPatterns) {
    northPatterns.clear();
    northPatterns.reserve(kPatternCount);
    for (std::uint16_t code : PatternTable()) {
        if (!PatternFits(type, TSide::North, code)) continue;
        const TExtended weight = PatternWeight(code, south.Pattern);
        if (weight > 0) northPatterns.push_back({code, weight});
    }
}

int ChoosePattern(std::span<const TDist> list, TRandomSource& random) {
    TExtended sum = 0;
    for (const TDist& d : list)
        sum = sum + d.Weight;
    const TExtended t = random.RandomFraction() * sum;
    const std::size_t m = list.size();
    std::size_t i = 0;
    TExtended cum = list[0].Weight;
    while (i < m && t > cum) {
        ++i;
        if (i < m) cum = cum + list[i].Weight;
    }
    return static_cast<int>(i < m ? i : m - 1);
}

} // namespace kv
