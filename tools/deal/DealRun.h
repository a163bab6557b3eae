#pragma once
// Making the deals of one run and their text, deal lines or a PBN file, with
// double-dummy results when asked for.

#include "DealEngine.h"
#include "DealOptions.h"

#include <functional>
#include <string>

namespace kv::cli {

struct TRunResult {
    bool Ok = false;
    std::string Text; // the whole output; empty after a failure
};

// Told how many deals are made, and then how many are analysed, so far.
struct TProgress {
    std::function<void(long made)> Made;
    std::function<void(long analysed)> Analysed;
};

// Makes options.Count deals, one GenerateDeal call each on `types`, in order.
// A failed call ends the run with nothing to write; its message has reached
// `host`. Double-dummy analysis never draws a random number, so the deals are
// the same with and without it. `date` is "YYYY.MM.DD" for the PBN Date tag.
TRunResult RunDeals(TDealEngine& engine, TTypeList& types, const TDealOptions& options,
                    IEngineHost& host, const std::string& date, const TProgress& progress);

// The PBN Generator tag's value: program, version and the run's first seed.
std::string GeneratorValue(std::int32_t seed);

} // namespace kv::cli
