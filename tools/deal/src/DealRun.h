#pragma once
// Making the deals of one run and writing their text, deal lines or a PBN
// file, as they are made, with double-dummy results when asked for.

#include "DealOptions.h"
#include "engine/DealEngine.h"
#include "engine/EngineHost.h"
#include "output/dealtext/BoardDeal.h"

#include <functional>
#include <string>

namespace kv::cli {

class TRunOutput;

// Told how many deals are made, and then how many are analysed, so far.
struct TProgress {
    std::function<void(long made)> Made;
    std::function<void(long analysed)> Analysed;
};

// Makes options.Count deals, one GenerateDeal call each on `types`, in order,
// and writes each to out as it is made; with double-dummy analysis, each batch
// of deals once the solver has analysed it. Nothing but the current batch is
// held, so memory stays flat however many deals. False after a failed call: its
// message has reached `host`, and out holds the deals made before it.
// Analysis never draws a random number, so the deals are the same with and
// without it. `date` is "YYYY.MM.DD" for the PBN Date tag. Throws EOutputError
// when out cannot be written.
bool RunDeals(TDealEngine& engine, TTypeList& types, const TDealOptions& options, IEngineHost& host,
              const std::string& date, const TProgress& progress, TRunOutput& out);

// Puts the next board into `board`; false after the last one, or after a
// failure that the source reports itself.
using TNextBoard = std::function<bool(TBoardDeal& board)>;

// Writes the boards that `next` gives, read from a file, in their order, with
// their own numbers, dealers, vulnerabilities and other tags, analysed as the
// options ask (the source gives an analysed or deal-line board only with all
// four hands). Each board is written as it comes, with analysis each batch
// once it is analysed: memory stays flat however many boards. When `next`
// fails, the boards before it are written.
void RunBoards(const TNextBoard& next, const TDealOptions& options, const std::string& date,
               const TProgress& progress, TRunOutput& out);

// The PBN Generator tag's value: program, version and the run's first seed.
std::string GeneratorValue(std::int32_t seed);

} // namespace kv::cli
