#include "analysis/AnalysisCommand.h"

#include "AnalysisMessages.h"
#include "SummaryJson.h"
#include "SummaryMerge.h"
#include "analysis/ResultCsv.h"
#include "analysis/SummaryText.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace kv::analysis {
namespace {

std::string Written(const TSummary& summary, TAnalysisFormat format) {
    return format == TAnalysisFormat::Json ? SummaryToJson(summary) : SummaryText(summary);
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return false;
    text = content.str();
    return true;
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
                 std::ostream& err) {
    if (format == TAnalysisFormat::Csv) {
        err << msg::kMergeCsv << '\n';
        return 1;
    }
    std::vector<TSummary> parts;
    for (const std::string& path : paths) {
        std::string text;
        if (!ReadFile(path, text)) {
            err << path << ": " << msg::kUnreadable << '\n';
            return 1;
        }
        TSummaryRead read = SummaryFromJson(text);
        if (!read.Error.empty()) {
            err << path << ": " << read.Error << '\n';
            return 1;
        }
        parts.push_back(std::move(read.Summary));
    }
    const TMerged merged = MergeSummaries(parts);
    if (!merged.Error.empty()) {
        err << merged.Error << '\n';
        return 1;
    }
    out << Written(merged.Summary, format);
    out.flush();
    return out ? 0 : 1;
}

} // namespace kv::analysis
