#pragma once
// Making the deals of one run and their text, deal lines or a PBN file.

#include "DealEngine.h"
#include "DealOptions.h"

#include <functional>
#include <string>

namespace kv::cli {

struct TRunResult {
    bool Ok = false;
    std::string Text; // the whole output; empty after a failure
};

// Called after every deal with the number made so far.
using TProgress = std::function<void(long made)>;

// Makes options.Count deals, one GenerateDeal call each on `types`, in order.
// A failed call ends the run with nothing to write; its message has reached
// `host`. `date` is "YYYY.MM.DD" for the PBN Date tag.
TRunResult RunDeals(TDealEngine& engine, TTypeList& types, const TDealOptions& options,
                    IEngineHost& host, const std::string& date, const TProgress& progress);

// The PBN Generator tag's value: program, version and the run's first seed.
std::string GeneratorValue(std::int32_t seed);

} // namespace kv::cli
