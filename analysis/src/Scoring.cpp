#include "analysis/Scoring.h"

#include <array>
#include <cstdlib>

namespace kv::analysis {
namespace {

// The upper ends of the IMP bands 0 to 23; 4000 points or more make 24.
constexpr std::array<int, 24> kImpBandTops = {10,   40,   80,   120,  160,  210,  260,  310,
                                              360,  420,  490,  590,  740,  890,  1090, 1290,
                                              1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};

// Trick score of `tricks` tricks above six in the strain: notrump 40 for the
// first and 30 for each other, majors 30, minors 20.
int TrickScore(int strain, int tricks) {
    if (tricks <= 0) return 0;
    if (strain == 0) return 40 + 30 * (tricks - 1);
    return (strain <= 2 ? 30 : 20) * tricks;
}

int Bonuses(int level, int contractPoints, bool vulnerable) {
    int bonus = contractPoints >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (level == 6) bonus += vulnerable ? 750 : 500;
    if (level == 7) bonus += vulnerable ? 1500 : 1000;
    return bonus;
}

} // namespace

int ContractScore(int level, int strain, int tricks, bool vulnerable) {
    const int needed = level + 6;
    if (tricks < needed) return -(needed - tricks) * (vulnerable ? 100 : 50);
    const int contractPoints = TrickScore(strain, level);
    const int overtricks = TrickScore(strain, tricks - 6) - contractPoints;
    return contractPoints + overtricks + Bonuses(level, contractPoints, vulnerable);
}

int Imps(int difference) {
    const int size = std::abs(difference);
    int imps = 0;
    while (imps < static_cast<int>(kImpBandTops.size()) &&
           size > kImpBandTops[static_cast<std::size_t>(imps)])
        ++imps;
    return difference < 0 ? -imps : imps;
}

void TCompareTally::Add(int scoreA, int scoreB) {
    if (scoreA > scoreB)
        ++ABetter;
    else if (scoreB > scoreA)
        ++BBetter;
    else
        ++Equal;
    ImpsForA += Imps(scoreA - scoreB);
}

void TCompareTally::Merge(const TCompareTally& other) {
    ABetter += other.ABetter;
    BBetter += other.BBetter;
    Equal += other.Equal;
    ImpsForA += other.ImpsForA;
}

double TCompareTally::MeanImpsForA() const {
    return Deals() == 0 ? 0.0 : static_cast<double>(ImpsForA) / static_cast<double>(Deals());
}

double TCompareTally::MatchpointShareOfA() const {
    if (Deals() == 0) return 0.0;
    return (static_cast<double>(ABetter) + static_cast<double>(Equal) / 2.0) /
           static_cast<double>(Deals());
}

} // namespace kv::analysis
