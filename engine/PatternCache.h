#pragma once
// Everything about a type's patterns that does not depend on the random
// numbers, computed once and reused across attempts and calls: the South list
// with its running totals, and beside each South pattern the North list with
// its running totals. Each running total is the same 80-bit value that the
// literal left-to-right sum gives, so a draw against it picks the same entry.

#include "engine/Patterns.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kv {

// One list of patterns with the running totals of their weights, in list order.
class TWeightedPatterns {
  public:
    void Add(std::uint16_t code, TExtended weight);
    bool Empty() const { return codes_.empty(); }
    std::size_t Size() const { return codes_.size(); }
    std::uint16_t Code(std::size_t i) const { return codes_[i]; }
    TExtended Weight(std::size_t i) const { return weights_[i]; }
    // The weighted draw: one RandomFraction; same result as ChoosePattern on
    // the same list. Call Finish() after the last Add.
    int Draw(TRandomSource& random) const;
    void Finish();
    void AppendTo(TDistList& list) const;

  private:
    std::vector<std::uint16_t> codes_;
    std::vector<TExtended> weights_;
    std::vector<TExtended> running_;
    // For entry i, the least seed whose fraction times the sum exceeds the
    // running total of entries 0..i: a draw whose new seed is s picks the
    // number of thresholds at or below s. Comparing seeds as integers gives
    // the same index as comparing the 80-bit products, since the product
    // grows with the seed.
    std::vector<std::uint64_t> thresholds_;
};

// The patterns of one type's suit bounds.
class TTypePatterns {
  public:
    explicit TTypePatterns(const THandParam& type);
    const TWeightedPatterns& South() const { return south_; }
    // North's list beside South's pattern, built on first use.
    const TWeightedPatterns& NorthBeside(std::uint16_t southCode);

  private:
    THandParam bounds_;
    TWeightedPatterns south_;
    std::vector<std::unique_ptr<TWeightedPatterns>> north_; // by PatternTable index
};

// The least seed s in [0, 2^32) whose draw product, s * 2^-32 * sum in 80-bit
// arithmetic as the weighted draw forms it, exceeds total; 2^32 when none does.
std::uint64_t DrawThreshold(TExtended total, TExtended sum);

// A few types' patterns, keyed by their sixteen suit bounds.
class TPatternCache {
  public:
    TTypePatterns& For(const THandParam& type);

  private:
    using TKey = std::array<std::uint8_t, 16>;
    static TKey KeyOf(const THandParam& type);
    static constexpr std::size_t kMaxEntries = 16;
    std::vector<std::pair<TKey, std::unique_ptr<TTypePatterns>>> entries_;
};

// The position of a pattern code in PatternTable.
int PatternIndex(std::uint16_t code);

} // namespace kv
