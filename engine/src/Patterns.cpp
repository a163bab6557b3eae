#include "engine/Patterns.h"

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

// C(n, k) for n, k up to 13, by Pascal's rule: the exact integers that
// Binomial computes in 80-bit arithmetic (every product and quotient there is
// an exact integer below 2^64).
constexpr auto kExactBinomials = [] {
    std::array<std::array<std::uint64_t, 14>, 14> c{};
    for (std::size_t n = 0; n <= 13; ++n) {
        c[n][0] = 1;
        for (std::size_t k = 1; k <= n; ++k)
            c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
    return c;
}();

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
    // Clubs, diamonds, hearts, spades, left to right, then the division. The
    // coefficients and their products (at most 1716^4) are exact integers in
    // 80 bits, so the integer product is the same value; only the division rounds.
    std::uint64_t hands = 1;
    for (int suit = 3; suit >= 0; --suit) {
        const auto left = static_cast<std::size_t>(13 - SuitCount(south, suit));
        const auto length = static_cast<std::size_t>(SuitCount(pattern, suit));
        hands *= length > left ? 0 : kExactBinomials[left][length];
    }
    return TExtended(hands) / kHandsOf13;
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
