#pragma once
// The analysis as a command-line program runs it: a request in, text, JSON or
// CSV out on a stream, messages on another. Also the merge of summary files.

#include "analysis/AnalysisRun.h"

#include <atomic>
#include <cstddef>
#include <functional>
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

// The largest summary file a merge reads: the largest this program writes
// (one that lists nearly a million shards counted) holds under 8 MB.
inline constexpr std::size_t kMaxSummaryBytes = std::size_t{16} << 20;

// Takes each message of a merge, one line without its line end.
using TReport = std::function<void(const std::string& message)>;

// Reads the summary files at `paths`, merges them and writes the merged
// summary as Text or Json to `out`. Returns 0, or 1 after a message
// ("<path>: cannot be read", "<path>: not an analysis summary: ...", or why the
// summaries do not merge) with nothing written to `out`. A file larger than
// kMaxSummaryBytes is refused before it is read whole. A merge that lacks some
// of the run's shards is written marked partial, after a message naming them.
// Messages hold file names and texts from the files as they are: `report`
// escapes them as the place it shows them needs.
int MergeCommand(const std::vector<std::string>& paths, TAnalysisFormat format, std::ostream& out,
                 const TReport& report);

} // namespace kv::analysis
