#include "params/TypeValidation.h"

#include <algorithm>

namespace kv {
namespace {

constexpr const char* kSuitPlural[4] = {"Spades", "Hearts", "Diamonds", "Clubs"};

int MinimumsOf(const THandParam& t, TSide side) {
    int sum = 0;
    for (TRange r : kSuitRanges)
        sum += t.Min(side, r);
    return sum;
}

} // namespace

std::optional<std::string> ValidateType(const THandParam& t) {
    if (t.SHCPMin + t.NHCPMin > 40) return "The minimum HCP in the two hands exceeds 40.";
    for (int i = 0; i < 4; ++i) {
        const TRange r = kSuitRanges[static_cast<std::size_t>(i)];
        if (t.Min(TSide::South, r) + t.Min(TSide::North, r) > kMaxLength)
            return std::string("The minimum number of ") + kSuitPlural[i] +
                   " in the hands exceeds 13.";
    }
    if (MinimumsOf(t, TSide::South) > kMaxLength)
        return "The minimums specified for South's hand exceed 13.";
    if (MinimumsOf(t, TSide::North) > kMaxLength)
        return "The minimums specified for North's hand exceed 13.";
    return std::nullopt;
}

std::string ImpossibleText(const std::string& message) {
    return "Impossible Hand Parameters:\r\r" + message;
}

void AdjustSuitMaxima(THandParam& t) {
    for (TRange r : kSuitRanges) {
        const int southCap = kMaxLength - t.Min(TSide::North, r);
        const int northCap = kMaxLength - t.Min(TSide::South, r);
        t.Max(TSide::South, r) =
            static_cast<std::uint8_t>(std::min<int>(t.Max(TSide::South, r), southCap));
        t.Max(TSide::North, r) =
            static_cast<std::uint8_t>(std::min<int>(t.Max(TSide::North, r), northCap));
    }
}

} // namespace kv
