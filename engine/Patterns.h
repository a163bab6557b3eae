#pragma once
// Suit-length distributions: the table of all 560 patterns, their weights, and
// the weighted draw. The list order and the left-to-right 80-bit arithmetic of
// the weights decide which pattern a given seed draws, so both are contracts.

#include "engine/RandomSource.h"
#include "params/HandParam.h"
#include "params/HandPattern.h"
#include "params/PatternList.h" // kPatternCount, shared with the editor

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kv {

// C(52, 13): the number of 13-card hands.
inline constexpr TExtended kHandsOf13{635013559600};

// All 560 pattern codes in ascending order of the code.
const std::array<std::uint16_t, kPatternCount>& PatternTable();

class TDist {
  public:
    std::uint16_t Pattern = 0;
    TExtended Weight = 0;

    int SpadeCount() const { return kv::SpadeCount(Pattern); }
    int HeartCount() const { return kv::HeartCount(Pattern); }
    int DiamondCount() const { return kv::DiamondCount(Pattern); }
    int ClubCount() const { return kv::ClubCount(Pattern); }
};

using TDistList = std::vector<TDist>;

// C(n, k) built as n(n-1)...(k+1) / (n-k)! in extended arithmetic; 0 when k > n.
TExtended Binomial(std::uint16_t n, std::uint16_t k);

// True when every suit length of the pattern lies within the side's bounds.
bool PatternFits(const THandParam& type, TSide side, std::uint16_t pattern);

// The weight of a North pattern beside South's: the number of North hands of
// that pattern among the 39 other cards, over C(52, 13). With south == 0 it is
// the South weight (13 cards available in each suit).
TExtended PatternWeight(std::uint16_t pattern, std::uint16_t south);

void BuildSouthPatterns(const THandParam& type, TDistList& southPatterns);
void BuildNorthPatterns(const THandParam& type, const TDist& south, TDistList& northPatterns);

// The weighted draw: one RandomFraction; the first entry whose running total
// reaches u * sum. The list must not be empty.
int ChoosePattern(std::span<const TDist> list, TRandomSource& random);

} // namespace kv
