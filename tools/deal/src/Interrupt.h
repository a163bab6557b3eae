#pragma once
// Ctrl+C during a long run: the first interrupt (or termination request) sets
// a flag the run reads, so that it stops cleanly and writes what it made; a
// second one, a second or more later, ends the program at once, as usual.

#include <atomic>

namespace kv::cli {

// Installs the handlers on the first call; the flag they set.
const std::atomic<bool>& StopOnInterrupt();

} // namespace kv::cli
