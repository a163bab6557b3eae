#pragma once
// A summary as plain text: the make table, the comparison of two contracts,
// the points and fits, and the delivered mix of hand types. The window copies
// these texts to the clipboard; the command line prints them.

#include "analysis/AnalysisSummary.h"

#include <string>

namespace kv::analysis {

// What "NS" stands for as a declarer, said wherever it appears.
inline constexpr const char* kBetterDeclarerNote =
    "NS: the better of North and South as declarer, on each deal whichever of the two takes "
    "more tricks.";
// True when the summary has results by the better of North and South.
bool HasBetterDeclarer(const TSummaryKey& key);

// "12.3": one decimal, the same in every locale.
std::string Fixed(double value, int decimals = 1);
// "37.5" for 3 of 8; "0.0" of nothing.
std::string Percent(std::int64_t part, std::int64_t whole);

// "12 boards dealt from seed 0000ABCD", "1 board of deals.pbn": given boards
// and their origin, as the results and the windows name them.
std::string BoardsText(std::int64_t count, const TBoardsOrigin& origin);
// "Analysis of 500 deals, seed 0000ABCD"; of given boards "Analysis of 12
// boards dealt from seed 0000ABCD" or "Analysis of 12 boards of deals.pbn".
std::string TitleText(const TSummary& summary);
// The title with "(partial: 200 of 500 deals)" when the run was stopped or
// merged with shards missing, and the shards counted when not all.
std::string HeadingText(const TSummary& summary);
std::string PartialLabel(const TSummary& summary); // "partial: n of N deals", or empty
// Mean tricks and the share of deals on which each level 1..7 makes; under
// the table, what "NS" means when it is a declarer there.
std::string MakeTableText(const TSummary& summary);
std::string CompareText(const TCompareSpec& spec, const TCompareTally& tally);
std::string PointsText(const TSummary& summary);
std::string TypeMixText(const TSummary& summary);
// The bounds a hand type sets, left out where they are the whole range:
// "South 12-37 HCP, 5+ spades; North 3+ spades", "South and North any".
std::string TypeDescription(const THandParam& type);
// One line per type: "Type 1, 50.0%: " and its description.
std::string TypesText(const TSummaryKey& key);
// Everything above that the summary holds, one block after another (the mix
// of hand types only where there are types).
std::string SummaryText(const TSummary& summary);

} // namespace kv::analysis
