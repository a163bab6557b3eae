#pragma once
// Which file a write to a path changes: through symbolic links, as careful
// editors resolve them before replacing a file, so that a link keeps pointing
// at the new contents instead of being replaced by a file of its own.

#include <filesystem>

namespace kv::detail {

// The path itself when its last part is not a symbolic link; otherwise the end
// of the chain of links, which need not exist yet (a dangling link names the
// file to create). Throws std::system_error (TooManyLinksError) for a chain
// of more than 40 links, as the system does.
std::filesystem::path LinkTarget(const std::filesystem::path& path);

// The folder that holds LinkTarget(path): where its replacement is written
// and its change is locked. Empty for a bare file name (the current directory).
std::filesystem::path TargetFolder(const std::filesystem::path& path);

} // namespace kv::detail
