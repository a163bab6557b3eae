#include "PatternCache.h"

#include <algorithm>

namespace kv {

int PatternIndex(std::uint16_t code)
{
    const auto& table = PatternTable();
    return static_cast<int>(std::lower_bound(table.begin(), table.end(), code) - table.begin());
}

void TWeightedPatterns::Add(std::uint16_t code, Extended weight)
{
    const Extended previous = running_.empty() ? Extended(0) : running_.back();
    codes_.push_back(code);
    weights_.push_back(weight);
    running_.push_back(previous + weight);
}

int TWeightedPatterns::Draw(TRandomSource& random) const
{
    // The last running total is the list's sum, added in list order.
    const Extended t = random.RandomFraction() * running_.back();
    // The first entry whose running total is at least t.
    const auto it = std::lower_bound(running_.begin(), running_.end(), t);
    const auto i = static_cast<int>(it - running_.begin());
    return std::min(i, static_cast<int>(running_.size()) - 1);
}

void TWeightedPatterns::AppendTo(TDistList& list) const
{
    for (std::size_t i = 0; i < codes_.size(); ++i) list.push_back({codes_[i], weights_[i]});
}

TTypePatterns::TTypePatterns(const THandParam& type) : bounds_(type), north_(kPatternCount)
{
    for (std::uint16_t code : PatternTable())
        if (PatternFits(type, TSide::South, code)) south_.Add(code, PatternWeight(code, 0));
}

const TWeightedPatterns& TTypePatterns::NorthBeside(std::uint16_t southCode)
{
    auto& slot = north_[static_cast<std::size_t>(PatternIndex(southCode))];
    if (!slot) {
        slot = std::make_unique<TWeightedPatterns>();
        for (std::uint16_t code : PatternTable()) {
            if (!PatternFits(bounds_, TSide::North, code)) continue;
            const Extended weight = PatternWeight(code, southCode);
            if (weight > 0) slot->Add(code, weight);
        }
    }
    return *slot;
}

TPatternCache::TKey TPatternCache::KeyOf(const THandParam& type)
{
    TKey key{};
    std::size_t n = 0;
    for (TSide side : kSidesInRecordOrder)
        for (TRange r : kSuitRanges) {
            key[n++] = type.Min(side, r);
            key[n++] = type.Max(side, r);
        }
    return key;
}

TTypePatterns& TPatternCache::For(const THandParam& type)
{
    const TKey key = KeyOf(type);
    for (auto& [k, patterns] : entries_)
        if (k == key) return *patterns;
    if (entries_.size() == kMaxEntries) entries_.erase(entries_.begin());
    entries_.emplace_back(key, std::make_unique<TTypePatterns>(type));
    return *entries_.back().second;
}

} // namespace kv
