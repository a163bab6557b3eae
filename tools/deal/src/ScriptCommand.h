#pragma once
// kestrovanhalme-deal --script FILE.dlr: the deals of a dealer script, printed
// by its actions as dealer prints them (or as our deal lines, PBN or .lin with
// --format), followed by the run's summary on standard error; with --input,
// the boards of a PBN file that meet the script, in the file's order.

#include "DealOptions.h"

#include <atomic>
#include <string>

namespace kv::cli {

// Returns the exit status: 0; 1 after a message on standard error (a run that
// failed, or a condition that no deal can meet); 2 for a script that cannot
// be read, with nothing on standard output; 130 when `cancel` stopped the
// run, after what was made before. `date` is "YYYY.MM.DD" for PBN tags.
int RunScriptCommand(const TDealOptions& options, const std::string& date,
                     const std::atomic<bool>& cancel);

} // namespace kv::cli
