#pragma once
// A print run: saves the counts, generates the deals one by one (or takes
// the boards of a session) and hands each to the print library as deal text,
// has them analysed double dummy when the copies show it, then asks for every
// copy in the fixed order of layouts, and clears the library's deals. It
// holds no window: the print dialog shows it, tests drive it directly.

#include "engine/DealEngine.h"
#include "engine/EngineHost.h"
#include "engine/FullDeal.h"
#include "output/dealtext/BoardDeal.h"
#include "output/print/PrintCounts.h"
#include "output/print/PrintLibrary.h"
#include "storage/settings/SettingsStore.h"

#include <QString>

#include <functional>
#include <optional>

namespace kv {

// The user's options that a print run reads, taken as values when the run is
// set up: a run never writes into the options it was given them from.
struct TPrintOptions {
    // The user's "T" or "10": its first character tells the library how to
    // print the ten. Deal texts always write the ten "T", whatever it is.
    QString TenSymbol = QStringLiteral("T");
    bool ColorPrinting = true;
};

struct TPrintRunContext {
    TDealEngine& Engine;
    TTypeList& Types;
    IEngineHost& Host;
    TPrintLibrary& Library;
    TSettingsStore& Settings;
    TPrintOptions Options;
    const TPrinterChoice* Printer = nullptr; // nullptr: the library's own choice
    // Makes one deal, or nothing when the generator gave up; when empty, the
    // run calls GenerateDeal(Engine, Types, Host). The program passes its
    // host's guarded entry to the generator here.
    std::function<std::optional<TFullDeal>()> Generate = {};
};

enum class TPrintOutcome {
    NothingToPrint,  // no deals or no copies: nothing saved, nothing called
    AlreadyRunning,  // a run is in progress: this one did nothing
    GeneratorFailed, // the generator gave up (after its own warning); nothing printed
    Cancelled,       // the user stopped the double-dummy analysis; nothing printed
    PrintFailed,     // the library reported that it could not print
    Printed
};

class TPrintRun {
  public:
    explicit TPrintRun(TPrintRunContext context) : context_(context) {}

    // Told "Generating hand n" before deal n is generated, and "Analysing the
    // hands double dummy" before copies with double-dummy results.
    void SetStatusSink(std::function<void(const QString&)> sink) { status_ = std::move(sink); }

    // Told how far the double-dummy analysis is, before any copy is printed;
    // answering false cancels the run.
    void SetAnalysisProgress(TAnalysisProgressFn progress) { progress_ = std::move(progress); }

    // Generates counts.Deals deals and prints them.
    TPrintOutcome Run(const TPrintCounts& counts);
    // Prints `boards` with their own numbers, dealers and vulnerabilities;
    // generates nothing. Saves the counts but the number of hands to
    // generate, which this run does not use.
    TPrintOutcome RunBoards(const TPrintCounts& counts, const std::vector<TBoardDeal>& boards);
    bool Running() const { return running_; }
    // The PDF file the last printed run went to; empty for a printer.
    const QString& OutputFile() const { return outputFile_; }

  private:
    // One deal from Generate or the generator itself.
    std::optional<TFullDeal> MakeDeal();
    // Generates and adds the deals; false when the generator gives up.
    bool AddDeals(int count);
    void AddBoards(const std::vector<TBoardDeal>& boards);
    // Prints the deals added: analysis, copies, and the end of the run.
    TPrintOutcome PrintAdded(const TPrintCounts& counts);
    // Asks the library for double-dummy results when the counts want them in
    // copies of all four hands and the library can print them, and has them
    // made with the progress told; false when the user stopped it.
    bool AskForDoubleDummy(const TPrintCounts& counts);
    // The copies in layout order; false when the library reported a failure.
    bool PrintCopies(const TPrintCounts& counts, char tenCharacter);

    TPrintRunContext context_;
    std::function<void(const QString&)> status_;
    TAnalysisProgressFn progress_;
    bool running_ = false;
    QString outputFile_;
};

} // namespace kv
