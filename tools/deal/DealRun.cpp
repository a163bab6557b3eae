#include "DealRun.h"

#include "BoardRotation.h"
#include "DealText.h"
#include "DoubleDummy.h"
#include "PbnExport.h"
#include "SeedText.h"

#include <optional>
#include <vector>

namespace kv::cli {
namespace {

// Deals are made, analysed and written in chunks, so that a long run needs
// little memory and the solver gets full batches.
constexpr long kChunk = 2000;

TFullDeal DealOf(const TDealEngine& e) { return TFullDeal{{e.NorthHand, e.EastHand, e.SouthHand, e.WestHand}}; }

std::string DealLine(const TFullDeal& d, const std::optional<TDDTable>& table)
{
    std::string line = DealText(d.Hands[0], d.Hands[1], d.Hands[2], d.Hands[3]);
    if (table) line += " " + table->TagValue();
    return line + "\n";
}

std::string PbnGameOf(const TFullDeal& d, long board, const std::optional<TDDTable>& table, std::int32_t seed,
                      const std::string& date)
{
    TPbnGame game;
    game.Board = static_cast<int>(board);
    game.North = d.Hands[0], game.East = d.Hands[1], game.South = d.Hands[2], game.West = d.Hands[3];
    game.ExtraTags.emplace_back("Generator", GeneratorValue(seed));
    if (table) {
        const TParResult par = ParOf(*table, static_cast<int>(BoardDealer(game.Board)), BoardVulnerability(game.Board));
        game.ExtraTags.emplace_back("DoubleDummyTricks", table->TagValue());
        game.ExtraTags.emplace_back("OptimumScore", par.OptimumScore());
        game.ExtraTags.emplace_back("ParContract", par.ParContract());
    }
    return (board > 1 ? "\r\n" : "") + PbnGame(game, date);
}

class TRun {
public:
    TRun(const TDealOptions& options, const TProgress& progress, std::int32_t seed, const std::string& date)
        : options_(options), progress_(progress), seed_(seed), date_(date)
    {
        if (options.Format == TFormat::Pbn) text_ = PbnHeader();
    }

    // Analyses and writes the deals made since the last flush.
    void Flush()
    {
        std::vector<TDDTable> tables;
        if (options_.DoubleDummy) tables = SolveTables(chunk_, [&](std::size_t n) { Analysed(n); });
        for (std::size_t i = 0; i < chunk_.size(); ++i) {
            const auto table = tables.empty() ? std::nullopt : std::optional<TDDTable>(tables[i]);
            const long board = written_ + 1;
            text_ += options_.Format == TFormat::Pbn ? PbnGameOf(chunk_[i], board, table, seed_, date_)
                                                     : DealLine(chunk_[i], table);
            ++written_;
        }
        analysedBefore_ = written_;
        chunk_.clear();
    }

    void Add(const TDealEngine& engine, long made)
    {
        chunk_.push_back(DealOf(engine));
        if (progress_.Made) progress_.Made(made);
        if (static_cast<long>(chunk_.size()) == kChunk) Flush();
    }

    std::string Take() { return std::move(text_); }

private:
    void Analysed(std::size_t inChunk)
    {
        if (progress_.Analysed) progress_.Analysed(analysedBefore_ + static_cast<long>(inChunk));
    }

    const TDealOptions& options_;
    const TProgress& progress_;
    std::int32_t seed_;
    std::string date_;
    std::string text_;
    std::vector<TFullDeal> chunk_;
    long written_ = 0;
    long analysedBefore_ = 0;
};

} // namespace

std::string GeneratorValue(std::int32_t seed)
{
    return "kestrovanhalme-deal 2.16, seed " + SeedToText(seed);
}

TRunResult RunDeals(TDealEngine& engine, TTypeList& types, const TDealOptions& options,
                    IEngineHost& host, const std::string& date, const TProgress& progress)
{
    TRun run(options, progress, engine.Random.RandomSeed, date);
    for (long made = 1; made <= options.Count; ++made) {
        if (!engine.GenerateDeal(types, host)) return {};
        run.Add(engine, made);
    }
    run.Flush();
    return {true, run.Take()};
}

} // namespace kv::cli
