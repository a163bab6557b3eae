#include "analysis/AnalysisCommand.h"

#include "AnalysisMessages.h"
#include "SummaryJson.h"
#include "SummaryMerge.h"
#include "analysis/ResultCsv.h"
#include "analysis/SummaryText.h"

#include <array>
#include <fstream>
#include <optional>
#include <ostream>

namespace kv::analysis {
namespace {

std::string Written(const TSummary& summary, TAnalysisFormat format) {
    return format == TAnalysisFormat::Json ? SummaryToJson(summary) : SummaryText(summary);
}

enum class TFileRead { Read, Unreadable, TooLarge };

// The file whole, or why not; never more than kMaxSummaryBytes and a block
// are held, however large the file (or endless, as /dev/zero).
TFileRead ReadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return TFileRead::Unreadable;
    std::array<char, 64 * 1024> block;
    while (file.read(block.data(), block.size()) || file.gcount() > 0) {
        text.append(block.data(), static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxSummaryBytes) return TFileRead::TooLarge;
    }
    return file.bad() ? TFileRead::Unreadable : TFileRead::Read;
}

// The summary in the file at `path`; empty after its message.
std::optional<TSummary> ReadSummary(const std::string& path, const TReport& report) {
    std::string text;
    const TFileRead read = ReadFile(path, text);
    if (read != TFileRead::Read) {
        report(path + ": " + (read == TFileRead::TooLarge ? msg::kTooLarge : msg::kUnreadable));
        return std::nullopt;
    }
    TSummaryRead summary = SummaryFromJson(text);
    if (!summary.Error.empty()) {
        report(path + ": " + summary.Error);
        return std::nullopt;
    }
    return std::move(summary.Summary);
}

} // namespace

int RunAnalysisCommand(const TAnalysisRequest& request, TAnalysisFormat format, std::ostream& out,
                       std::ostream& err, const std::atomic<bool>& cancel,
                       const TRunCallbacks& progress) {
    TAnalysisRequest normalised = request;
    Normalise(normalised);
    const std::string fault = RequestFault(normalised);
    if (!fault.empty()) {
        err << fault << '\n';
        return 1;
    }
    TRunCallbacks callbacks{progress.Progress, progress.Deal};
    const TSummaryKey key = EmptySummary(normalised).Key;
    if (format == TAnalysisFormat::Csv) {
        out << CsvHeader(key);
        callbacks.Deal = [&](const TDealResult& deal) {
            out << CsvLine(deal, key);
            if (progress.Deal) progress.Deal(deal);
        };
    }
    TDdsSolver solver;
    const TAnalysisOutcome outcome = RunAnalysis(normalised, solver, cancel, callbacks);
    for (const std::string& note : outcome.Notes)
        err << note << '\n';
    if (!outcome.Error.empty()) err << outcome.Error << '\n';
    if (!outcome.Ok()) return 1;
    if (format != TAnalysisFormat::Csv) out << Written(outcome.Summary, format);
    out.flush();
    return out ? 0 : 1;
}

int MergeCommand(const std::vector<std::string>& paths, TAnalysisFormat format, std::ostream& out,
                 const TReport& report) {
    if (format == TAnalysisFormat::Csv) {
        report(msg::kMergeCsv);
        return 1;
    }
    std::vector<TSummary> parts;
    for (const std::string& path : paths) {
        std::optional<TSummary> part = ReadSummary(path, report);
        if (!part) return 1;
        parts.push_back(std::move(*part));
    }
    const TMerged merged = MergeSummaries(parts);
    if (!merged.Error.empty()) {
        report(merged.Error);
        return 1;
    }
    if (merged.Summary.ShardsMissing) report(MissingShardsNote(merged.Summary));
    out << Written(merged.Summary, format);
    out.flush();
    return out ? 0 : 1;
}

} // namespace kv::analysis
