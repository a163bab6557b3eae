#pragma once
// The deal generator and the engine state it works on. One engine holds one
// random source; the program has exactly one engine, tests and tools may have
// several side by side.

#include "Cards.h"
#include "EngineHost.h"
#include "HandParam.h"
#include "PatternCache.h"
#include "Patterns.h"
#include "RandomSource.h"

#include <cstdint>
#include <vector>

namespace kv {

// The main window's ordered list of hand types, one per tab.
using TTypeList = std::vector<THandParam>;

// North and South of one deal, as kept for the hands window.
struct TDealPair {
    tHand North;
    tHand South;
};

class TDealEngine {
  public:
    // Cached reuses the pattern lists of a type across attempts and calls;
    // Literal rebuilds them in every attempt. Both draw the same numbers and
    // make the same deals.
    enum class TPatternPath { Cached, Literal };

    explicit TDealEngine(TPatternPath path = TPatternPath::Cached) : path_(path) {}

    TRandomSource Random;
    tHand Pack;
    tHand SouthHand, NorthHand, EastHand, WestHand;
    TDealPair ShownDeal, NextDeal;
    TDistList SouthPatterns, NorthPatterns;
    std::int32_t ChosenType = 0;
    std::int32_t ChosenSouth = 0;
    std::int32_t ChosenNorth = 0;

    // One deal meeting one of the types, chosen by frequency. Removes from
    // `types` every type whose South bounds admit no pattern. Returns false,
    // after a warning, when it gives up; the hands then hold no valid deal.
    bool GenerateDeal(TTypeList& types, IEngineHost& host);

    void ChooseType(const TTypeList& types);
    void ResetPack();
    void DealPattern(tHand& hand, std::uint16_t pattern);
    bool AdjustHCP(tHand& hand, int min, int max);
    void DealEastWest();

  private:
    // Draws South's and North's patterns; false when no South pattern is left.
    bool DrawPatterns(const THandParam& type);
    bool DrawPatternsLiterally(const THandParam& type);
    bool DrawPatternsCached(const THandParam& type);
    bool DrawAfterRemoval(TTypePatterns& patterns, int removed);
    void RaisePoints(tHand& hand, int max);
    void LowerPoints(tHand& hand, int min);

    TPatternPath path_;
    TPatternCache cache_;
    std::uint16_t southCode_ = 0;
    std::uint16_t northCode_ = 0;
};

} // namespace kv
