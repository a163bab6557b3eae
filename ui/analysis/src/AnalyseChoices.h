#pragma once
// What the "Analyse Hands" dialog remembers between uses, in the settings
// store: the number of deals, shape and points or double-dummy tricks, and
// the declarers and denominations ticked. A stored value that is absent or
// cannot be read gives way to the default, so that the dialog never opens
// with a choice it would refuse.

#include "analysis/AnalysisRequest.h"

#include <array>
#include <cstdint>

namespace kv {

class TSettingsStore;

struct TAnalyseChoices {
    std::int64_t Count = 500;
    bool Tricks = true;
    std::array<bool, analysis::kDeclarerChoices> Declarers{}; // North, South, better
    std::array<bool, kStrains> Strains{};                     // table order
    friend bool operator==(const TAnalyseChoices&, const TAnalyseChoices&) = default;
};

// The stored choices; by default 500 deals of double-dummy tricks by the
// better of North and South in notrump and in each suit that every type of
// `types` forces a fit in. A count outside 1 to `maxCount` is taken as 500.
TAnalyseChoices ReadAnalyseChoices(const TSettingsStore& store, const TTypeList& types,
                                   std::int64_t maxCount);
void WriteAnalyseChoices(TSettingsStore& store, const TAnalyseChoices& choices);

} // namespace kv
