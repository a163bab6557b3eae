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

// Writes boards read from a file, in their order, with their own numbers,
// dealers and vulnerabilities, analysed as the options ask (the caller has
// checked that an analysed or deal-line board gives all four hands).
void RunBoards(const std::vector<TBoardDeal>& boards, const TDealOptions& options,
               const std::string& date, const TProgress& progress, TRunOutput& out);

// The PBN Generator tag's value: program, version and the run's first seed.
std::string GeneratorValue(std::int32_t seed);

} // namespace kv::cli
