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

// "Analysis of 500 deals, seed 0000ABCD" with "(partial: 200 of 500 deals)"
// when the run was stopped or merged with shards missing, and the shards
// counted when not all.
std::string HeadingText(const TSummary& summary);
std::string PartialLabel(const TSummary& summary); // "partial: n of N deals", or empty
// Mean tricks and the share of deals on which each level 1..7 makes.
std::string MakeTableText(const TSummary& summary);
std::string CompareText(const TCompareSpec& spec, const TCompareTally& tally);
std::string PointsText(const TSummary& summary);
std::string TypeMixText(const TSummary& summary);
// Everything above that the summary holds, one block after another.
std::string SummaryText(const TSummary& summary);

} // namespace kv::analysis
