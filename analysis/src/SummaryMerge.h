#pragma once
// Adding up the summaries of shards (or of any runs with the same request):
// the merged counts of shards 1/N to N/N are exactly those of one whole run.

#include "analysis/AnalysisSummary.h"

#include <string>
#include <vector>

namespace kv::analysis {

struct TMerged {
    TSummary Summary;
    std::string Error; // why the summaries cannot be merged; empty on success
};

// Refuses summaries made with different seeds, counts, types, analyses,
// declarers, denominations, comparisons or numbers of shards, and a shard
// given twice. Summaries that together hold every shard merge into the form of
// a single run (shard 1/1); without some shards, into a summary marked
// ShardsMissing.
TMerged MergeSummaries(const std::vector<TSummary>& parts);

// "Shards 2, 4 of 5 are missing: the merged summary is partial.", naming the
// first ten; empty when no shard is missing.
std::string MissingShardsNote(const TSummary& merged);

// "N,S,NS" and "NT,S,H": lists as the files and messages write them.
std::string DeclarerList(const std::vector<TDeclarer>& declarers);
std::string StrainList(const std::vector<int>& strains);

} // namespace kv::analysis
