#include "engine/PatternCache.h"

#include <algorithm>

namespace kv {

int PatternIndex(std::uint16_t code) {
    const auto& table = PatternTable();
    return static_cast<int>(std::lower_bound(table.begin(), table.end(), code) - table.begin());
}

void TWeightedPatterns::Add(std::uint16_t code, TExtended weight) {
    const TExtended previous = running_.empty() ? TExtended() : running_.back();
    codes_.push_back(code);
    weights_.push_back(weight);
    running_.push_back(previous + weight);
}

namespace {

constexpr std::uint64_t kSeeds = std::uint64_t{1} << 32;

// The draw's product for the new seed s, exactly as RandomFraction() * sum.
TExtended DrawProduct(std::uint64_t s, TExtended sum) {
    return TExtended(s) * kTwoToMinus32 * sum;
}

// floor(total / sum * 2^32), at most 2^32: where the exact product would
// cross total.
std::uint64_t EstimatedThreshold(TExtended total, TExtended sum) {
    const TExtended q = total / sum;
    if (q.IsZero()) return 0;
    const std::int32_t shift = 63 - 32 - q.Exponent(); // q * 2^32 = significand >> shift
    if (shift <= 31) return kSeeds;                    // q >= 1
    if (shift >= 64) return 0;
    return std::min(q.Significand() >> shift, kSeeds);
}

} // namespace

std::uint64_t DrawThreshold(TExtended total, TExtended sum) {
    if (sum.IsZero()) return kSeeds;
    // The product never falls as the seed grows, and rounding moves the
    // crossing by a seed or so from the estimate: step to the exact one.
    std::uint64_t s = EstimatedThreshold(total, sum);
    while (s > 0 && DrawProduct(s - 1, sum) > total)
        --s;
    while (s < kSeeds && !(DrawProduct(s, sum) > total))
        ++s;
    return s;
}

void TWeightedPatterns::Finish() {
    // The last running total is the list's sum, added in list order.
    const TExtended sum = running_.empty() ? TExtended() : running_.back();
    thresholds_.clear();
    for (const TExtended total : running_)
        thresholds_.push_back(DrawThreshold(total, sum));
}

int TWeightedPatterns::Draw(TRandomSource& random) const {
    random.RandomFraction();
    const std::uint64_t seed = static_cast<std::uint32_t>(random.RandomSeed);
    // The first entry whose running total is at least the product.
    const auto it = std::upper_bound(thresholds_.begin(), thresholds_.end(), seed);
    const auto i = static_cast<int>(it - thresholds_.begin());
    return std::min(i, static_cast<int>(thresholds_.size()) - 1);
}

void TWeightedPatterns::AppendTo(TDistList& list) const {
    for (std::size_t i = 0; i < codes_.size(); ++i)
        list.push_back({codes_[i], weights_[i]});
}

TTypePatterns::TTypePatterns(const THandParam& type) : bounds_(type), north_(kPatternCount) {
    for (std::uint16_t code : PatternTable())
        if (PatternFits(type, TSide::South, code)) south_.Add(code, PatternWeight(code, 0));
    south_.Finish();
}

const TWeightedPatterns& TTypePatterns::NorthBeside(std::uint16_t southCode) {
    auto& slot = north_[static_cast<std::size_t>(PatternIndex(southCode))];
    if (!slot) {
        slot = std::make_unique<TWeightedPatterns>();
        for (std::uint16_t code : PatternTable()) {
            if (!PatternFits(bounds_, TSide::North, code)) continue;
            const TExtended weight = PatternWeight(code, southCode);
            if (weight > 0) slot->Add(code, weight);
        }
        slot->Finish();
    }
    return *slot;
}

TPatternCache::TKey TPatternCache::KeyOf(const THandParam& type) {
    TKey key{};
    std::size_t n = 0;
    for (TSide side : kSidesInRecordOrder)
        for (TRange r : kSuitRanges) {
            key[n++] = type.Min(side, r);
            key[n++] = type.Max(side, r);
        }
    return key;
}

TTypePatterns& TPatternCache::For(const THandParam& type) {
    const TKey key = KeyOf(type);
    for (auto& [k, patterns] : entries_)
        if (k == key) return *patterns;
    if (entries_.size() == kMaxEntries) entries_.erase(entries_.begin());
    entries_.emplace_back(key, std::make_unique<TTypePatterns>(type));
    return *entries_.back().second;
}

} // namespace kv
