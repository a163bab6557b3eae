#pragma once
// The deal generator and the engine state it works on. One engine holds one
// random source; the program has exactly one engine, tests and tools may have
// several side by side. An engine is never copied: a copy would deal the same
// numbers a second time.

#include "engine/Cards.h"
#include "engine/DealOutcome.h"
#include "engine/PackDealer.h"
#include "engine/PatternCache.h"
#include "engine/Patterns.h"
#include "engine/RandomSource.h"
#include "params/HandParam.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kv {

class TDealEngine {
  public:
    // Cached reuses the pattern lists of a type across attempts and calls;
    // Literal rebuilds them in every attempt. Both draw the same numbers and
    // make the same deals.
    enum class TPatternPath { Cached, Literal };

    explicit TDealEngine(TPatternPath path = TPatternPath::Cached) : path_(path) {}
    TDealEngine(const TDealEngine&) = delete;
    TDealEngine& operator=(const TDealEngine&) = delete;

    // One deal meeting one of the types, chosen by frequency, with the types
    // whose South bounds admit no pattern left out as they are found. The
    // list is not changed: the outcome names the types left out. Gives up
    // after 59 attempts, or when every type has been left out.
    // `eachAttempt` runs at the start of every attempt (the program lets its
    // window events run there).
    TDealOutcome Deal(const TTypeList& types, const std::function<void()>& eachAttempt = {});

    TRandomSource& Random() { return random_; }
    const TRandomSource& Random() const { return random_; }

  private:
    // Deals South, North, East and West for the patterns drawn; false when
    // South's or North's points could not be brought within bounds.
    bool DealHands(const THandParam& type, TFullDeal& deal);
    // The index into `alive` of the type chosen by frequency: one draw.
    std::size_t ChooseType(const TTypeList& types, const std::vector<std::size_t>& alive);
    // Draws South's and North's patterns; false when no South pattern is left.
    bool DrawPatterns(const THandParam& type);
    bool DrawPatternsLiterally(const THandParam& type);
    bool DrawPatternsCached(const THandParam& type);
    bool DrawAfterRemoval(TTypePatterns& patterns, int removed);

    TPatternPath path_;
    TRandomSource random_;
    TPackDealer dealer_{random_};
    TPatternCache cache_;
    TDistList southPatterns_, northPatterns_;
    std::uint16_t southCode_ = 0;
    std::uint16_t northCode_ = 0;
};

} // namespace kv
