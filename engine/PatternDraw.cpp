// The pattern loop of one attempt: South's pattern, then North's beside it.
// A South pattern beside which no North pattern fits is removed from this
// attempt's list and another is drawn (one more random number each time).

#include "DealEngine.h"

namespace kv {

bool TDealEngine::DrawPatterns(const THandParam& type) {
    return path_ == TPatternPath::Literal ? DrawPatternsLiterally(type) : DrawPatternsCached(type);
}

bool TDealEngine::DrawPatternsLiterally(const THandParam& type) {
    BuildSouthPatterns(type, SouthPatterns);
    for (;;) {
        if (SouthPatterns.empty()) return false;
        ChosenSouth = ChoosePattern(SouthPatterns, Random);
        BuildNorthPatterns(type, SouthPatterns[static_cast<std::size_t>(ChosenSouth)],
                           NorthPatterns);
        if (!NorthPatterns.empty()) break;
        SouthPatterns.erase(SouthPatterns.begin() + ChosenSouth);
    }
    ChosenNorth = ChoosePattern(NorthPatterns, Random);
    southCode_ = SouthPatterns[static_cast<std::size_t>(ChosenSouth)].Pattern;
    northCode_ = NorthPatterns[static_cast<std::size_t>(ChosenNorth)].Pattern;
    return true;
}

bool TDealEngine::DrawPatternsCached(const THandParam& type) {
    TTypePatterns& patterns = cache_.For(type);
    const TWeightedPatterns& south = patterns.South();
    if (south.Empty()) return false;
    ChosenSouth = south.Draw(Random);
    southCode_ = south.Code(static_cast<std::size_t>(ChosenSouth));
    const TWeightedPatterns& north = patterns.NorthBeside(southCode_);
    if (north.Empty()) return DrawAfterRemoval(patterns, ChosenSouth);
    ChosenNorth = north.Draw(Random);
    northCode_ = north.Code(static_cast<std::size_t>(ChosenNorth));
    return true;
}

// The rare path: once an entry is gone the list's sum changes, so the South
// draws go back to the literal list; North's lists are still the cached ones.
bool TDealEngine::DrawAfterRemoval(TTypePatterns& patterns, int removed) {
    SouthPatterns.clear();
    SouthPatterns.reserve(kPatternCount);
    patterns.South().AppendTo(SouthPatterns);
    SouthPatterns.erase(SouthPatterns.begin() + removed);
    for (;;) {
        if (SouthPatterns.empty()) return false;
        ChosenSouth = ChoosePattern(SouthPatterns, Random);
        southCode_ = SouthPatterns[static_cast<std::size_t>(ChosenSouth)].Pattern;
        const TWeightedPatterns& north = patterns.NorthBeside(southCode_);
        if (!north.Empty()) {
            ChosenNorth = north.Draw(Random);
            northCode_ = north.Code(static_cast<std::size_t>(ChosenNorth));
            return true;
        }
        SouthPatterns.erase(SouthPatterns.begin() + ChosenSouth);
    }
}

} // namespace kv
