#pragma once
// Helpers shared by the generator tests.

#include "engine/DealEngine.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"

#include <string>

namespace kv::test {

inline std::string FullDealText(const TFullDeal& d) {
    return DealText(d.North(), d.East(), d.South(), d.West());
}

// The deal text without its fixed opening and closing: "N:... ... ... ...".
inline std::string ShortDealText(const TFullDeal& d) {
    const std::string text = FullDealText(d);
    return text.substr(7, text.size() - 9);
}

inline THandParam HcpType(int sMin, int sMax, int nMin, int nMax) {
    THandParam t;
    t.SHCPMin = static_cast<std::uint8_t>(sMin), t.SHCPMax = static_cast<std::uint8_t>(sMax);
    t.NHCPMin = static_cast<std::uint8_t>(nMin), t.NHCPMax = static_cast<std::uint8_t>(nMax);
    return t;
}

// South maxima add up to 12: no South pattern at all.
inline THandParam UnsatisfiableType(int frequency) {
    THandParam t;
    t.SSpadeMax = 3, t.SHeartMax = 3, t.SDiamondMax = 3, t.SClubMax = 3;
    t.Frequency = frequency;
    return t;
}

// Thirteen spades hold exactly 10 points: at least 11 is never reached.
inline THandParam UnreachablePointsType() {
    THandParam t;
    t.SSpadeMin = 13;
    t.SHCPMin = 11;
    return t;
}

} // namespace kv::test
