#pragma once
// Where a run's text goes: standard output, or a file written whole or not at all.

#include <string>

namespace kv::cli {

// Writes `text` to `path` through a temporary file in the same folder that is
// renamed into place, so that the file is either the old one or the whole new
// one. Returns an error message, or an empty string on success.
std::string WriteWholeFile(const std::string& path, const std::string& text);

// Writes `text` to standard output; an error message when that fails.
std::string WriteStdout(const std::string& text);

} // namespace kv::cli
