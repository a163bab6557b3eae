// kestrovanhalme-deal: the deal engine on the command line.
#ifdef KV_WITH_ANALYSIS
#include "AnalyseRun.h"
#endif
#include "DealHelp.h"
#include "DealOptions.h"
#include "DealRun.h"
#include "Interrupt.h"
#include "RunOutput.h"
#include "ScriptCommand.h"
#include "TerminalText.h"
#include "TypeSource.h"
#include "engine/SeedText.h"
#include "output/pbnimport/PbnImport.h"
#include "storage/paramsfile/PlatformIo.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using namespace kv;
using namespace kv::cli;

// Warnings go to standard error with the program's own texts.
class TStderrHost : public IEngineHost {
  public:
    void ProcessMessages() override {}
    void ShowWarning(const std::string& text) override { std::cerr << text << '\n'; }
    void CloseHandsWindow() override {}
};

std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%Y.%m.%d", std::localtime(&now));
    return text;
}

// Shows "made/total" on a terminal once a run has taken more than a moment.
std::function<void(long)> TerminalCounter(long total, const char* what) {
    if (!::isatty(STDERR_FILENO)) return {};
    using Clock = std::chrono::steady_clock;
    return [total, what, start = Clock::now(), last = Clock::time_point{}](long done) mutable {
        const auto now = Clock::now();
        if (now - start < std::chrono::milliseconds(500)) return;
        if (now - last < std::chrono::milliseconds(100) && done < total) return;
        last = now;
        std::fprintf(stderr, "\r%ld/%ld %s", done, total, what);
        if (done == total) std::fputc('\n', stderr);
    };
}

TProgress TerminalProgress(const TDealOptions& options) {
    return {TerminalCounter(options.Count, "deals made"),
            options.DoubleDummy ? TerminalCounter(options.Count, "deals analysed") : nullptr};
}

std::unique_ptr<TRunOutput> OutputOf(const TDealOptions& options) {
    return options.Output ? std::make_unique<TRunOutput>(*options.Output)
                          : std::make_unique<TRunOutput>();
}

// The readable sets are written even when some records are damaged; those are
// reported on standard error, and the exit status says so.
int ListSets(const TDealOptions& options) {
    const TListing listing = ListSetsText(options.File);
    if (!listing.Listed) return 1;
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    out->Write(listing.Text);
    out->Finish();
    return listing.Whole ? 0 : 1;
}

// The output is opened before the first deal, so that a file that cannot be
// written is reported at once; each deal is written as it is made.
int Deal(const TDealOptions& options) {
    TTypeList types;
    if (!LoadTypes(options, types)) return 1;
    TDealEngine engine;
    if (options.Seed) {
        engine.Random().RandomSeed = *options.Seed;
    } else {
        engine.Random().SeedFromClock();
        std::cerr << SeedToText(engine.Random().RandomSeed) << '\n';
    }
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    TStderrHost host;
    if (!RunDeals(engine, types, options, host, Today(), TerminalProgress(options), *out)) {
        out->EndFailedRun();
        return 1;
    }
    out->Finish();
    return 0;
}

// The boards of the --input file; false after a message naming the file and
// line. A board that leaves hands out can be written only as PBN, unanalysed.
bool ReadInput(const TDealOptions& options, std::vector<TBoardDeal>& boards) {
    const TPbnImport read = ReadPbnFile(*options.Input);
    if (!read.Ok()) {
        std::cerr << read.Error->Message() << '\n';
        return false;
    }
    const bool needsAllHands = options.DoubleDummy || options.Format == TFormat::Deal;
    for (const TPbnBoard& b : read.Boards) {
        if (needsAllHands && !b.Complete()) {
            const TPbnError error{*options.Input, b.Line,
                                  "board " + std::to_string(b.Board) +
                                      " leaves hands out; it can be written only as PBN, "
                                      "without --dd"};
            std::cerr << error.Message() << '\n';
            return false;
        }
        boards.push_back(TBoardDeal{b.Board, b.Dealer, b.Vulnerable, b.Deal, b.Known});
    }
    return true;
}

int InputDeals(const TDealOptions& options) {
    std::vector<TBoardDeal> boards;
    if (!ReadInput(options, boards)) return 1;
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    const long count = static_cast<long>(boards.size());
    RunBoards(boards, options, Today(),
              {TerminalCounter(count, "deals read"),
               options.DoubleDummy ? TerminalCounter(count, "deals analysed") : nullptr},
              *out);
    out->Finish();
    return 0;
}

int Run(const TDealOptions& options) {
    if (options.Script) return RunScriptCommand(options, Today(), StopOnInterrupt());
    if (options.List) return ListSets(options);
    if (options.Input) return InputDeals(options);
    if (!options.Analyse && !options.Merge) return Deal(options);
#ifdef KV_WITH_ANALYSIS
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    return options.Analyse ? AnalyseDeals(options, *out) : MergeSummaries(options, *out);
#else
    std::cerr << "kestrovanhalme-deal: this build has no double-dummy solver, so no analysis\n";
    return 1;
#endif
}

} // namespace

int main(int argc, char** argv) {
    kv::platform::UseBinaryOutput();
    const TParseResult parsed = ParseDealOptions(kv::platform::ProgramArguments(argc, argv));
    if (!parsed.Error.empty()) {
        std::cerr << "kestrovanhalme-deal: " << Printable(parsed.Error) << '\n' << kUsage << '\n';
        return 2;
    }
    if (parsed.Options.Help || parsed.Options.Version) {
        std::cout << (parsed.Options.Help ? HelpText() : VersionText());
        return std::cout.flush() ? 0 : 1;
    }
    try {
        return Run(parsed.Options);
    } catch (const std::exception& error) {
        std::cerr << Printable(error.what()) << '\n';
        return 1;
    }
}
