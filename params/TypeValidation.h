#pragma once
// The checks made before an edited hand type is stored, as a pure function.

#include "params/HandParam.h"

#include <optional>
#include <string>

namespace kv {

// The first failing check's message ("The minimum HCP in the two hands exceeds
// 40." ...), or nothing when the effective minimums admit a deal.
std::optional<std::string> ValidateType(const THandParam& type);

// The full text of the warning box for a failed check:
// "Impossible Hand Parameters:" + two carriage returns + the message.
std::string ImpossibleText(const std::string& message);

// Lowers each suit maximum of one hand to 13 minus the other hand's minimum.
// HCP maxima are left alone.
void AdjustSuitMaxima(THandParam& type);

} // namespace kv
