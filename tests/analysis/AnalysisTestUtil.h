#pragma once
// Deals written by hand and small requests for the analysis tests.

#include "analysis/AnalysisRequest.h"
#include "analysis/DealResult.h"
#include "engine/GenerateDeal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv::analysis::test {

// "AKQJ.AKQ.AKQ.AKQ" -> a hand (ranks in the order written).
inline tHand HandOf(const std::string& text) {
    tHand hand;
    std::size_t start = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const std::size_t end = text.find('.', start);
        tSuit& s = hand.Suit(suit);
        for (char c : text.substr(start, end - start))
            s.Cards[s.Count++] =
                static_cast<std::uint8_t>(std::string("23456789TJQKA").find(c) + 2);
        start = end + 1;
    }
    return hand;
}

class TNoEvents : public IEngineHost {
  public:
    void ProcessMessages() override {}
    void ShowWarning(const std::string&) override {}
    void CloseHandsWindow() override {}
};

// Deals as "Generate Hands to Screen" makes them: one GenerateDeal after
// another on one engine from the seed. Every one must be dealt.
inline std::vector<TDealOutcome> ScreenOutcomes(std::int32_t seed, TTypeList types, int count) {
    TDealEngine engine;
    engine.Random().RandomSeed = seed;
    TNoEvents host;
    std::vector<TDealOutcome> deals;
    for (int n = 1; n <= count; ++n) {
        deals.push_back(GenerateDeal(engine, types, host));
        EXPECT_TRUE(deals.back().Dealt());
    }
    return deals;
}

inline TDealResult ResultOfHands(const std::string& n, const std::string& e, const std::string& s,
                                 const std::string& w, std::int64_t number = 1) {
    return ResultOf(TFullDeal{{HandOf(n), HandOf(e), HandOf(s), HandOf(w)}}, number, 0);
}

inline TAnalysisRequest TricksRequest(std::int64_t count, std::vector<int> strains,
                                      std::vector<TDeclarer> declarers) {
    TAnalysisRequest r;
    r.Seed = 0x2026;
    r.Count = count;
    r.Types = {THandParam{}};
    r.Kind = TAnalysisKind::Tricks;
    r.Strains = std::move(strains);
    r.Declarers = std::move(declarers);
    return r;
}

inline TAnalysisRequest ShapeRequest(std::int64_t count, TTypeList types = {THandParam{}}) {
    TAnalysisRequest r;
    r.Seed = 0x00C0FFEE;
    r.Count = count;
    r.Types = std::move(types);
    return r;
}

} // namespace kv::analysis::test
