#pragma once
// How far a long run has come, on standard error when it is a terminal: once
// the run has taken more than half a second, one line rewritten at most ten
// times a second, "made/total deals made" and "made/total deals analysed", or
// "made deals read" where the run does not know how many deals will come.

#include "DealRun.h"

namespace kv::cli {

// The progress of a run of `total` deals (0 when not known) that are made
// (`made`: "deals made", "deals read") and, when `analysed`, analysed. The
// line is ended when a count reaches the total, or when the last copy of the
// callbacks goes. No callbacks when standard error is not a terminal.
TProgress TerminalProgress(long total, const char* made, bool analysed);

} // namespace kv::cli
