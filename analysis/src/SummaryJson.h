#pragma once
// A summary as a JSON file: counts only, written in one fixed layout, so that
// the same counts always give the same bytes. The reader refuses anything that
// is not a summary this program could have written.

#include "analysis/AnalysisSummary.h"

#include <string>
#include <string_view>

namespace kv::analysis {

std::string SummaryToJson(const TSummary& summary);

struct TSummaryRead {
    TSummary Summary;
    std::string Error; // "not an analysis summary: ..."; empty on success
};

TSummaryRead SummaryFromJson(std::string_view text);

} // namespace kv::analysis
