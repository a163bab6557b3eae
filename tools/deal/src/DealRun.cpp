#include "DealRun.h"

#include "ProgramVersion.h"
#include "RunOutput.h"
#include "engine/GenerateDeal.h"
#include "engine/SeedText.h"
#include "engine/doubledummy/DoubleDummy.h"
#include "output/dealtext/BoardRotation.h"
#include "output/dealtext/DealText.h"
#include "output/dealtext/PbnExport.h"

#include <optional>
#include <utility>
#include <vector>

namespace kv::cli {
namespace {

// Deals to analyse are gathered into batches, which the solver works through
// in parallel.
constexpr std::size_t kBatch = 2000;

class TRun {
  public:
    // `generator` is the PBN Generator tag's value; empty for boards read
    // from a file, which were not dealt here.
    TRun(const TDealOptions& options, const TProgress& progress, std::string generator,
         const std::string& date, TRunOutput& out)
        : options_(options), progress_(progress), generator_(std::move(generator)), date_(date),
          out_(out) {}

    void Add(const TFullDeal& deal, long made) {
        if (progress_.Made) progress_.Made(made);
        if (!options_.DoubleDummy && options_.Format == TFormat::Deal) return WriteLine(deal);
        Add(RotationBoard(deal, static_cast<int>(written_ + batch_.size() + 1)));
    }

    void Add(TBoardDeal board) {
        if (!options_.DoubleDummy) return Write(board, nullptr);
        batch_.push_back(std::move(board));
        if (batch_.size() == kBatch) WriteBatch();
    }

    // Analyses and writes the boards gathered since the last batch.
    void WriteBatch() {
        if (batch_.empty()) return;
        std::vector<TFullDeal> deals;
        deals.reserve(batch_.size());
        for (const TBoardDeal& board : batch_)
            deals.push_back(board.Deal);
        const std::vector<TDDTable> tables =
            SolveTables(deals, [&](std::size_t n) { Analysed(n); });
        for (std::size_t i = 0; i < batch_.size(); ++i)
            Write(batch_[i], &tables[i]);
        analysedBefore_ = written_;
        batch_.clear();
    }

  private:
    // The common case, written straight from the deal.
    void WriteLine(const TFullDeal& deal) {
        ++written_;
        line_ = DealText(deal.North(), deal.East(), deal.South(), deal.West());
        line_ += '\n';
        out_.Write(line_);
    }

    void Write(const TBoardDeal& board, const TDDTable* table) {
        ++written_;
        if (options_.Format == TFormat::Pbn) return WritePbnGame(board, table);
        const auto& h = board.Deal.Hands;
        line_ = DealText(h[0], h[1], h[2], h[3]);
        if (table != nullptr) line_.append(" ").append(table->TagValue());
        line_ += '\n';
        out_.Write(line_);
    }

    void WritePbnGame(const TBoardDeal& board, const TDDTable* table) {
        // The file's header comes with its first game: a run that makes no
        // deal writes nothing.
        out_.Write(written_ > 1 ? kPbnGameSeparator : PbnHeader());
        out_.Write(PbnBoardGame(board, date_, generator_, table));
    }

    void Analysed(std::size_t inBatch) {
        if (progress_.Analysed) progress_.Analysed(analysedBefore_ + static_cast<long>(inBatch));
    }

    const TDealOptions& options_;
    const TProgress& progress_;
    std::string generator_;
    std::string date_;
    TRunOutput& out_;
    std::vector<TBoardDeal> batch_;
    std::string line_;
    long written_ = 0;
    long analysedBefore_ = 0;
};

} // namespace

std::string GeneratorValue(std::int32_t seed) {
    return std::string("kestrovanhalme-deal ") + kProgramVersion + ", seed " + SeedToText(seed);
}

bool RunDeals(TDealEngine& engine, TTypeList& types, const TDealOptions& options, IEngineHost& host,
              const std::string& date, const TProgress& progress, TRunOutput& out) {
    TRun run(options, progress, GeneratorValue(engine.Random().RandomSeed), date, out);
    for (long made = 1; made <= options.Count; ++made) {
        const TDealOutcome dealt = GenerateDeal(engine, types, host);
        if (!dealt.Dealt()) {
            run.WriteBatch();
            return false;
        }
        run.Add(dealt.Deal, made);
    }
    run.WriteBatch();
    return true;
}

void RunBoards(const TNextBoard& next, const TDealOptions& options, const std::string& date,
               const TProgress& progress, TRunOutput& out) {
    TRun run(options, progress, "", date, out);
    long made = 0;
    for (TBoardDeal board; next(board);) {
        if (progress.Made) progress.Made(++made);
        run.Add(std::move(board));
    }
    run.WriteBatch();
}

} // namespace kv::cli
