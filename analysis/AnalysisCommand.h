#pragma once
// The analysis as a command-line program runs it: a request in, text, JSON or
// CSV out on a stream, messages on another. Also the merge of summary files.

#include "analysis/AnalysisRun.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

namespace kv::analysis {

enum class TAnalysisFormat { Text, Json, Csv };

// Runs `request` with dds on every core. Text writes SummaryText, Json
// SummaryToJson, both once the run is over; Csv writes the header at once and
// each deal's line as the deal is counted, so memory stays flat however many
// deals. The generator's notes and any error go to `err`, one a line. Returns
// 0 when every deal was analysed; 1 after an error or a cancel, when Text and
// Json have written nothing to `out` and Csv only whole lines of counted deals.
int RunAnalysisCommand(const TAnalysisRequest& request, TAnalysisFormat format, std::ostream& out,
                       std::ostream& err, const std::atomic<bool>& cancel,
                       const TRunCallbacks& progress = {});

// Reads the summary files at `paths`, merges them and writes the merged
// summary as Text or Json to `out`. Returns 0, or 1 after a message on `err`
// ("<path>: cannot be read", "<path>: not an analysis summary: ...", or why the
// summaries do not merge) with nothing written to `out`.
int MergeCommand(const std::vector<std::string>& paths, TAnalysisFormat format, std::ostream& out,
                 std::ostream& err);

} // namespace kv::analysis
