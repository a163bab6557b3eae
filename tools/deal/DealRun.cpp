#include "DealRun.h"

#include "DealText.h"
#include "PbnExport.h"
#include "SeedText.h"

namespace kv::cli {
namespace {

std::string DealLine(const TDealEngine& e)
{
    return DealText(e.NorthHand, e.EastHand, e.SouthHand, e.WestHand) + "\n";
}

std::string PbnGameOf(const TDealEngine& e, long board, std::int32_t seed, const std::string& date)
{
    TPbnGame game;
    game.Board = static_cast<int>(board);
    game.North = e.NorthHand, game.East = e.EastHand, game.South = e.SouthHand, game.West = e.WestHand;
    game.ExtraTags.emplace_back("Generator", GeneratorValue(seed));
    return (board > 1 ? "\r\n" : "") + PbnGame(game, date);
}

} // namespace

std::string GeneratorValue(std::int32_t seed)
{
    return "kestrovanhalme-deal 2.16, seed " + SeedToText(seed);
}

TRunResult RunDeals(TDealEngine& engine, TTypeList& types, const TDealOptions& options,
                    IEngineHost& host, const std::string& date, const TProgress& progress)
{
    const std::int32_t firstSeed = engine.Random.RandomSeed;
    TRunResult result;
    result.Text.reserve(static_cast<std::size_t>(options.Count) * (options.Format == TFormat::Pbn ? 400 : 79));
    if (options.Format == TFormat::Pbn) result.Text = PbnHeader();
    for (long board = 1; board <= options.Count; ++board) {
        if (!engine.GenerateDeal(types, host)) return {};
        result.Text += options.Format == TFormat::Pbn ? PbnGameOf(engine, board, firstSeed, date) : DealLine(engine);
        if (progress) progress(board);
    }
    result.Ok = true;
    return result;
}

} // namespace kv::cli
