#include "AnalyseRun.h"

#include "TerminalText.h"
#include "TypeSource.h"
#include "analysis/AnalysisCommand.h"
#include "analysis/RequestText.h"
#include "engine/SeedText.h"

#include <atomic>
#include <iostream>
#include <ostream>
#include <streambuf>

namespace kv::cli {
namespace {

using namespace kv::analysis;

constexpr std::int64_t kDefaultAnalysisCount = 500;

// An output stream onto a run's output, so that the analysis writes through
// the same buffer and the same file replacement as dealt deals.
class TRunOutputBuffer : public std::streambuf {
  public:
    explicit TRunOutputBuffer(TRunOutput& out) : out_(out) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        out_.Write(std::string_view(&ch, 1));
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize n) override {
        out_.Write(std::string_view(text, static_cast<std::size_t>(n)));
        return n;
    }

  private:
    TRunOutput& out_;
};

TAnalysisFormat FormatOf(TFormat format) {
    return format == TFormat::Json  ? TAnalysisFormat::Json
           : format == TFormat::Csv ? TAnalysisFormat::Csv
                                    : TAnalysisFormat::Text;
}

// Reads one typed list into `into`; false after the analysis's message.
template <typename T>
bool Read(const char* option, const std::string& text, TParsed<T> (*parse)(const std::string&),
          T& into) {
    if (text.empty()) return true;
    TParsed<T> parsed = parse(text);
    if (!parsed.Error.empty()) {
        std::cerr << "kestrovanhalme-deal: " << option << ": " << Printable(parsed.Error) << '\n';
        return false;
    }
    into = std::move(parsed.Value);
    return true;
}

// Without a list: North-South's better declarer, and notrump with the suits
// every type forces a fit in, as the window preselects them.
void Defaults(TAnalysisRequest& request) {
    if (request.Declarers.empty()) request.Declarers = {TDeclarer::Better};
    if (request.Strains.empty()) {
        request.Strains = {0};
        for (const int suit : ForcedFitSuits(request.Types))
            request.Strains.push_back(suit);
    }
}

std::int32_t RunSeed(const TDealOptions& options) {
    if (options.Seed) return *options.Seed;
    TRandomSource clock;
    clock.SeedFromClock();
    std::cerr << SeedToText(clock.RandomSeed) << '\n';
    return clock.RandomSeed;
}

} // namespace

int AnalyseDeals(const TDealOptions& options, TRunOutput& out) {
    TAnalysisRequest request;
    if (!Read("--declarer", options.Declarers, &ParseDeclarers, request.Declarers) ||
        !Read("--strains", options.Strains, &ParseStrains, request.Strains) ||
        !Read("--shard", options.Shard, &ParseShard, request.Shard))
        return 2;
    if (!LoadTypes(options, request.Types)) return 1;
    request.Kind = options.Shape ? TAnalysisKind::ShapeAndPoints : TAnalysisKind::Tricks;
    request.Count = options.CountGiven ? options.Count : kDefaultAnalysisCount;
    Defaults(request);
    request.Seed = RunSeed(options);
    TRunOutputBuffer buffer(out);
    std::ostream stream(&buffer);
    const std::atomic<bool> cancel{false};
    const int status =
        RunAnalysisCommand(request, FormatOf(options.Format), stream, std::cerr, cancel);
    if (status != 0) {
        out.EndFailedRun();
        return status;
    }
    out.Finish();
    return 0;
}

int MergeSummaries(const TDealOptions& options, TRunOutput& out) {
    TRunOutputBuffer buffer(out);
    std::ostream stream(&buffer);
    const auto report = [](const std::string& message) { std::cerr << Printable(message) << '\n'; };
    const int status = MergeCommand(options.MergeFiles, FormatOf(options.Format), stream, report);
    if (status != 0) {
        out.EndFailedRun();
        return status;
    }
    out.Finish();
    return 0;
}

} // namespace kv::cli
