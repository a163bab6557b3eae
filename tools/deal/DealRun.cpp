#include "DealRun.h"

#include "BoardRotation.h"
#include "DealText.h"
#include "DoubleDummy.h"
#include "PbnExport.h"
#include "ProgramVersion.h"
#include "RunOutput.h"
#include "SeedText.h"

#include <optional>
#include <vector>

namespace kv::cli {
namespace {

// Deals to analyse are gathered into batches, which the solver works through
// in parallel.
constexpr std::size_t kBatch = 2000;

TFullDeal DealOf(const TDealEngine& e) {
    return TFullDeal{{e.NorthHand, e.EastHand, e.SouthHand, e.WestHand}};
}

class TRun {
  public:
    TRun(const TDealOptions& options, const TProgress& progress, std::int32_t seed,
         const std::string& date, TRunOutput& out)
        : options_(options), progress_(progress), seed_(seed), date_(date), out_(out) {}

    void Add(const TDealEngine& engine, long made) {
        if (progress_.Made) progress_.Made(made);
        if (!options_.DoubleDummy && options_.Format == TFormat::Deal) return WriteLine(engine);
        if (!options_.DoubleDummy) return Write(DealOf(engine), std::nullopt);
        batch_.push_back(DealOf(engine));
        if (batch_.size() == kBatch) WriteBatch();
    }

    // Analyses and writes the deals gathered since the last batch.
    void WriteBatch() {
        if (batch_.empty()) return;
        const std::vector<TDDTable> tables =
            SolveTables(batch_, [&](std::size_t n) { Analysed(n); });
        for (std::size_t i = 0; i < batch_.size(); ++i)
            Write(batch_[i], tables[i]);
        analysedBefore_ = written_;
        batch_.clear();
    }

  private:
    // The common case, written straight from the engine's hands.
    void WriteLine(const TDealEngine& e) {
        ++written_;
        line_ = DealText(e.NorthHand, e.EastHand, e.SouthHand, e.WestHand);
        line_ += '\n';
        out_.Write(line_);
    }

    void Write(const TFullDeal& d, const std::optional<TDDTable>& table) {
        ++written_;
        if (options_.Format == TFormat::Pbn) return WritePbnGame(d, table);
        line_ = DealText(d.Hands[0], d.Hands[1], d.Hands[2], d.Hands[3]);
        if (table) line_.append(" ").append(table->TagValue());
        line_ += '\n';
        out_.Write(line_);
    }

    void WritePbnGame(const TFullDeal& d, const std::optional<TDDTable>& table) {
        TPbnGame game;
        game.Board = static_cast<int>(written_);
        game.North = d.Hands[0], game.East = d.Hands[1], game.South = d.Hands[2],
        game.West = d.Hands[3];
        game.ExtraTags.emplace_back("Generator", GeneratorValue(seed_));
        if (table) {
            const TParResult par = ParOf(*table, static_cast<int>(BoardDealer(game.Board)),
                                         BoardVulnerability(game.Board));
            game.ExtraTags.emplace_back("DoubleDummyTricks", table->TagValue());
            game.ExtraTags.emplace_back("OptimumScore", par.OptimumScore());
            game.ExtraTags.emplace_back("ParContract", par.ParContract());
        }
        // The file's header comes with its first game: a run that makes no
        // deal writes nothing.
        out_.Write(written_ > 1 ? "\r\n" : PbnHeader());
        out_.Write(PbnGame(game, date_));
    }

    void Analysed(std::size_t inBatch) {
        if (progress_.Analysed) progress_.Analysed(analysedBefore_ + static_cast<long>(inBatch));
    }

    const TDealOptions& options_;
    const TProgress& progress_;
    std::int32_t seed_;
    std::string date_;
    TRunOutput& out_;
    std::vector<TFullDeal> batch_;
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
    TRun run(options, progress, engine.Random.RandomSeed, date, out);
    for (long made = 1; made <= options.Count; ++made) {
        if (!engine.GenerateDeal(types, host)) {
            run.WriteBatch();
            return false;
        }
        run.Add(engine, made);
    }
    run.WriteBatch();
    return true;
}

} // namespace kv::cli
