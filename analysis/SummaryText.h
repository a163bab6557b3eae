#pragma once
// A summary as plain text: the make table, the comparison of two contracts,
// the points and fits, and the delivered mix of hand types. The window copies
// these texts to the clipboard; the command line prints them.

#include "analysis/AnalysisSummary.h"

#include <string>

namespace kv::analysis {

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
// The title with "(partial: 200 of 500 deals)" when the run was stopped, and
// the shards counted when not all.
std::string HeadingText(const TSummary& summary);
std::string PartialLabel(const TSummary& summary); // "partial: n of N deals", or empty
// Mean tricks and the share of deals on which each level 1..7 makes.
std::string MakeTableText(const TSummary& summary);
std::string CompareText(const TCompareSpec& spec, const TCompareTally& tally);
std::string PointsText(const TSummary& summary);
std::string TypeMixText(const TSummary& summary);
// Everything above that the summary holds, one block after another (the mix
// of hand types only where there are types).
std::string SummaryText(const TSummary& summary);

} // namespace kv::analysis
