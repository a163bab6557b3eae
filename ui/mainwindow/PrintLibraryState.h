#pragma once
// What binding the hand-printing library at start-up found, and the warning
// that each failure shows.

#include <QString>

namespace kv {

enum class TPrintLibraryState {
    Usable,            // loaded, with all three entry points
    NotFound,          // the library could not be loaded
    EntryPointMissing, // loaded, but an entry point is missing; unloaded again
};

// The text of the "Warning" box for a failed binding; empty for Usable.
QString PrintLibraryWarning(TPrintLibraryState state);

} // namespace kv
