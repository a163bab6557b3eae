#pragma once
// The system calls under a file replacement (TempFiles.h): making the
// temporary file, writing and flushing it, and putting it in the place of the
// replaced file. ReplacementIoPosix.cpp implements them with POSIX calls,
// ReplacementIoWin32.cpp with the Win32 API; they throw std::system_error as
// the calls of NativeFile.h do.

#include "storage/paramsfile/NativeFile.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace kv::detail {

// Makes a new file in folder named prefix and six random letters or digits,
// open for writing, and sets path to it.
TNativeFile MakeUniqueFile(const std::filesystem::path& folder, std::string_view prefix,
                           std::filesystem::path& path);

// Gives file, the new contents of replaced, what it must keep of replaced:
// its permissions and owner on POSIX systems (the default permissions when
// replaced does not exist). Nothing on Windows, where PutInPlace keeps the
// replaced file's attributes and access rights.
void TakeAccessOf(const TNativeFile& file, const std::filesystem::path& replaced);

// Writes all of bytes at the file's position.
void WriteAll(const TNativeFile& file, std::span<const std::uint8_t> bytes);

// Makes the written contents durable on the disk.
void FlushToDisk(const TNativeFile& file);

// Puts the closed file temp in the place of replaced, in one step, and frees
// lock, which marks temp as a live program's own. POSIX: a rename, then a
// flush of the folder, and the lock is freed last. Windows: ReplaceFileW, or
// MoveFileExW where there is nothing to replace or ReplaceFileW cannot; both
// need temp to themselves, so the lock is freed first.
void PutInPlace(const std::filesystem::path& temp, const std::filesystem::path& replaced,
                TNativeFile& lock);

} // namespace kv::detail
