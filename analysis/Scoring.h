#pragma once
// Duplicate scoring of undoubled contracts and the standard IMP scale, for
// comparing two contracts over many deals.

#include "analysis/AnalysisRequest.h"

#include <cstdint>

namespace kv::analysis {

// The duplicate score of an undoubled contract that takes `tricks` tricks,
// from the declaring side's view: positive when it makes, negative when it fails.
int ContractScore(int level, int strain, int tricks, bool vulnerable);

// IMPs for a difference of scores, with the difference's sign (0 for 0..10 points).
int Imps(int difference);

// Counts for "Compare two contracts": on how many deals each scores more, and
// A's IMPs won minus lost. Whole numbers, so that tallies add up across shards.
struct TCompareTally {
    std::int64_t ABetter = 0;
    std::int64_t BBetter = 0;
    std::int64_t Equal = 0;
    std::int64_t ImpsForA = 0;

    void Add(int scoreA, int scoreB);
    void Merge(const TCompareTally& other);
    std::int64_t Deals() const { return ABetter + BBetter + Equal; }
    // A's average IMPs per deal (B's is its negative); 0 without deals.
    double MeanImpsForA() const;
    // A's matchpoint share: a deal won counts 1, a tie one half; 0 without deals.
    double MatchpointShareOfA() const;
    friend bool operator==(const TCompareTally&, const TCompareTally&) = default;
};

} // namespace kv::analysis
