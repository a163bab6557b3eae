#pragma once
// Sets are never copied from the database into itself. The database is the
// file "PARAMS.SAV" of the current directory, whatever folder the program lies
// in, so the test is whether a chosen path leads to that very file.

#include <string>

namespace kv {

// True when path names the database file: the same file on disk when both
// exist (however the path is written: other folders on the way, "..", links),
// otherwise the same location once both paths are made absolute and resolved.
bool IsDatabaseFile(const std::string& path);

} // namespace kv
