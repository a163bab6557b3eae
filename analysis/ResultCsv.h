#pragma once
// Per-deal results as CSV, one line per deal, so that a run of any length can
// be written as it goes: the deal's number and type (or the board's number), North's, South's and
// their combined points, the longest fit, the deal as the PBN Deal tag writes it ("N:" and four
// hands) and the tricks of each denomination and declarer analysed.

#include "analysis/AnalysisSummary.h"

#include <string>

namespace kv::analysis {

// "deal,type,north_hcp,south_hcp,ns_hcp,longest_fit,pbn,NT_N,S_NS,...\n";
// for given boards, which have no types, "board,north_hcp,...".
std::string CsvHeader(const TSummaryKey& key);
// One line; type numbers start at 1, as on the main window's tabs.
std::string CsvLine(const TDealResult& deal, const TSummaryKey& key);

} // namespace kv::analysis
