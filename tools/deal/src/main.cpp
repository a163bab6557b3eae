// kestrovanhalme-deal: the deal engine on the command line.
#ifdef KV_WITH_ANALYSIS
#include "AnalyseRun.h"
#endif
#include "DealHelp.h"
#include "DealOptions.h"
#include "DealRun.h"
#include "InputBoards.h"
#include "Interrupt.h"
#include "RunOutput.h"
#include "ScriptCommand.h"
#include "TerminalProgress.h"
#include "TerminalText.h"
#include "TypeSource.h"
#include "engine/SeedText.h"
#include "storage/paramsfile/PlatformIo.h"

#include <ctime>
#include <iostream>
#include <memory>

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
    const TProgress progress = TerminalProgress(options.Count, "deals made", options.DoubleDummy);
    if (!RunDeals(engine, types, options, host, Today(), progress, *out)) {
        out->EndFailedRun();
        return 1;
    }
    out->Finish();
    return 0;
}

// Each board is written as it is read. A file that cannot be read on ends the
// run as a failed one: standard output keeps the boards before it.
int InputDeals(const TDealOptions& options) {
    TInputBoards input(options);
    if (input.Failed()) return 1;
    const std::unique_ptr<TRunOutput> out = OutputOf(options);
    RunBoards([&](TBoardDeal& board) { return input.Next(board); }, options, Today(),
              TerminalProgress(0, "deals read", options.DoubleDummy), *out);
    if (input.Failed()) {
        out->EndFailedRun();
        return 1;
    }
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
