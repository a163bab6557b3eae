#pragma once
// kestrovanhalme-deal --analyse and --merge: the analysis of many deals of the
// run's types and seed, and the merge of the summaries of a run's shards,
// written as text, JSON or CSV to standard output or to --output.

#include "DealOptions.h"
#include "RunOutput.h"

namespace kv::cli {

// The deals of the options' seed and types (500 unless --count is given),
// analysed as asked. Returns the exit status: 0, 1 after a message on
// standard error (nothing is put in place of an --output file then), or 2
// for a declarer, denomination or shard text the analysis refuses.
int AnalyseDeals(const TDealOptions& options, TRunOutput& out);

// The merged summary of the files of --merge; 0, or 1 after a message. File
// names and texts from the files in messages are escaped for the terminal.
int MergeSummaries(const TDealOptions& options, TRunOutput& out);

} // namespace kv::cli
