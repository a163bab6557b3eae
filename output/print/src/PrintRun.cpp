#include "output/print/PrintRun.h"

#include "engine/GenerateDeal.h"
#include "engine/RandomRollback.h"
#include "output/dealtext/DealText.h"
#include "output/dealtext/PbnExport.h"

namespace kv {
namespace {

// Sets a flag for the lifetime of the guard.
class TRunningFlag {
  public:
    explicit TRunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~TRunningFlag() { flag_ = false; }
    TRunningFlag(const TRunningFlag&) = delete;
    TRunningFlag& operator=(const TRunningFlag&) = delete;

  private:
    bool& flag_;
};

// The first character of the user's ten symbol: 'T' for "T", '1' for "10".
char TenCharacter(const QString& symbol) {
    return symbol.isEmpty() ? 'T' : symbol.at(0).toLatin1();
}

} // namespace

TPrintOutcome TPrintRun::Run(const TPrintCounts& counts) {
    if (running_) return TPrintOutcome::AlreadyRunning;
    if (counts.NothingToPrint()) return TPrintOutcome::NothingToPrint;
    const TRunningFlag running(running_);
    outputFile_.clear();
    WritePrintCounts(context_.Settings, counts);

    // Only printed deals use up random numbers: after a failed or cancelled
    // run the next run deals the same boards.
    TRandomRollback rollback(context_.Engine.Random());
    if (!AddDeals(counts.Deals)) {
        context_.Library.ClearDeals();
        return TPrintOutcome::GeneratorFailed;
    }
    const TPrintOutcome outcome = PrintAdded(counts);
    if (outcome == TPrintOutcome::Printed) rollback.Keep();
    return outcome;
}

TPrintOutcome TPrintRun::RunBoards(const TPrintCounts& counts,
                                   const std::vector<TBoardDeal>& boards) {
    if (running_) return TPrintOutcome::AlreadyRunning;
    TPrintCounts copies = counts; // the number of hands to generate plays no part
    copies.Deals = static_cast<int>(boards.size());
    if (copies.NothingToPrint()) return TPrintOutcome::NothingToPrint;
    const TRunningFlag running(running_);
    outputFile_.clear();
    TPrintCounts saved = counts;
    saved.Deals = ReadPrintCounts(context_.Settings).Deals;
    WritePrintCounts(context_.Settings, saved);
    AddBoards(boards);
    return PrintAdded(counts);
}

TPrintOutcome TPrintRun::PrintAdded(const TPrintCounts& counts) {
    if (context_.Printer != nullptr) context_.Library.SetOutput(*context_.Printer);
    if (!AskForDoubleDummy(counts)) {
        context_.Library.ClearDeals();
        return TPrintOutcome::Cancelled;
    }
    bool printed = PrintCopies(counts, TenCharacter(context_.Options.TenSymbol));
    printed = context_.Library.ClearDeals() >= 0 && printed;
    outputFile_ = context_.Library.LastOutputFile();
    return printed ? TPrintOutcome::Printed : TPrintOutcome::PrintFailed;
}

std::optional<TFullDeal> TPrintRun::MakeDeal() {
    if (context_.Generate) return context_.Generate();
    TDealOutcome outcome = GenerateDeal(context_.Engine, context_.Types, context_.Host);
    if (!outcome.Dealt()) return std::nullopt;
    return std::move(outcome.Deal);
}

bool TPrintRun::AddDeals(int count) {
    for (int n = 1; n <= count; ++n) {
        if (status_) status_(QStringLiteral("Generating hand %1").arg(n));
        const std::optional<TFullDeal> made = MakeDeal();
        if (!made) return false;
        // Every deal text writes the ten "T", whatever the user's ten symbol.
        context_.Library.AddDeal(
            DealText(made->North(), made->East(), made->South(), made->West()));
    }
    return true;
}

// The deal text of each board writes the ten "T", as every deal text does.
void TPrintRun::AddBoards(const std::vector<TBoardDeal>& boards) {
    for (const TBoardDeal& board : boards)
        context_.Library.AddBoard(BoardDealText(board), board.Board, static_cast<int>(board.Dealer),
                                  VulnerabilityIndex(board.Vulnerable));
}

bool TPrintRun::AskForDoubleDummy(const TPrintCounts& counts) {
    if (!counts.DoubleDummy || counts.All <= 0) return true;
    if (!context_.Library.SetDoubleDummy(true)) return true;
    if (status_) status_(QStringLiteral("Analysing the hands double dummy"));
    return context_.Library.AnalyseDeals(progress_) != TAnalysisOutcome::Cancelled;
}

bool TPrintRun::PrintCopies(const TPrintCounts& counts, char tenCharacter) {
    bool ok = true;
    for (const TLayoutCopies& layout : CopiesInPrintOrder(counts)) {
        for (int copy = 0; copy < layout.Copies; ++copy) {
            const TPrintMultiArgs args{layout.Layout,
                                       -1,
                                       layout.Title,
                                       "",
                                       kPrintBanner,
                                       tenCharacter,
                                       context_.Options.ColorPrinting,
                                       counts.DealerAndVul,
                                       counts.DealerAndVul};
            ok = context_.Library.PrintMulti(args) >= 0 && ok;
        }
    }
    return ok;
}

} // namespace kv
