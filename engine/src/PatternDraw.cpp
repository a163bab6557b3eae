// The pattern loop of one attempt: South's pattern, then North's beside it.
// A South pattern beside which no North pattern fits is removed from this
// attempt's list and another is drawn (one more random number each time).

#include "engine/DealEngine.h"

namespace kv {
namespace {

std::uint16_t DrawnCode(const TDistList& list, int drawn) {
    return list[static_cast<std::size_t>(drawn)].Pattern;
}

std::uint16_t DrawnCode(const TWeightedPatterns& list, int drawn) {
    return list.Code(static_cast<std::size_t>(drawn));
}

} // namespace

bool TDealEngine::DrawPatterns(const THandParam& type) {
    return path_ == TPatternPath::Literal ? DrawPatternsLiterally(type) : DrawPatternsCached(type);
}

bool TDealEngine::DrawPatternsLiterally(const THandParam& type) {
    BuildSouthPatterns(type, southPatterns_);
    int south = 0;
    for (;;) {
        if (southPatterns_.empty()) return false;
        south = ChoosePattern(southPatterns_, random_);
        BuildNorthPatterns(type, southPatterns_[static_cast<std::size_t>(south)], northPatterns_);
        if (!northPatterns_.empty()) break;
        southPatterns_.erase(southPatterns_.begin() + south);
    }
    const int north = ChoosePattern(northPatterns_, random_);
    southCode_ = DrawnCode(southPatterns_, south);
    northCode_ = DrawnCode(northPatterns_, north);
    return true;
}

bool TDealEngine::DrawPatternsCached(const THandParam& type) {
    TTypePatterns& patterns = cache_.For(type);
    const TWeightedPatterns& south = patterns.South();
    if (south.Empty()) return false;
    const int drawn = south.Draw(random_);
    southCode_ = DrawnCode(south, drawn);
    const TWeightedPatterns& north = patterns.NorthBeside(southCode_);
    if (north.Empty()) return DrawAfterRemoval(patterns, drawn);
    northCode_ = DrawnCode(north, north.Draw(random_));
    return true;
}

// The rare path: once an entry is gone the list's sum changes, so the South
// draws go back to the literal list; North's lists are still the cached ones.
bool TDealEngine::DrawAfterRemoval(TTypePatterns& patterns, int removed) {
    southPatterns_.clear();
    southPatterns_.reserve(kPatternCount);
    patterns.South().AppendTo(southPatterns_);
    southPatterns_.erase(southPatterns_.begin() + removed);
    for (;;) {
        if (southPatterns_.empty()) return false;
        const int south = ChoosePattern(southPatterns_, random_);
        southCode_ = DrawnCode(southPatterns_, south);
        const TWeightedPatterns& north = patterns.NorthBeside(southCode_);
        if (!north.Empty()) {
            northCode_ = DrawnCode(north, north.Draw(random_));
            return true;
        }
        southPatterns_.erase(southPatterns_.begin() + south);
    }
}

} // namespace kv
