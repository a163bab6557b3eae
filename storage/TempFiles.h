#pragma once
// The temporary files that new file contents are written into before they are
// renamed over the old file. Each is named ".kestrovanhalme-" and six letters
// or digits, in the folder of the file it will replace: short, so that the
// replaced file's name may have any length the system allows, and specific
// enough to be known as ours.
//
// A program holds an exclusive advisory lock (flock) on its temporary file
// for as long as the file is its own, and the system frees the lock when the
// program dies. So a temporary file of our pattern that can be locked belongs
// to no live program: it was left by a killed or crashed one, and the next
// write into the folder removes it. A live program's file, however long its
// run, is never touched, nor is any file of another pattern.

#include <filesystem>
#include <string>
#include <string_view>

namespace kv::detail {

// True for a file name of our temporary files' pattern.
bool IsTempFileName(std::string_view name);

// The lock that marks a temporary file as a live program's own; freed when
// this object goes (after the file has been renamed into place or removed).
class TTempFileLock {
  public:
    TTempFileLock() = default;
    explicit TTempFileLock(int fd) : fd_(fd) {}
    ~TTempFileLock();
    TTempFileLock(const TTempFileLock&) = delete;
    TTempFileLock& operator=(TTempFileLock&& other) noexcept;

  private:
    int fd_ = -1;
};

// Makes a new temporary file in folder (the current directory when empty) and
// locks it into lock. Returns its descriptor, open for writing, and sets path.
// Throws std::system_error when the file cannot be made.
int MakeTempFile(const std::filesystem::path& folder, std::string& path, TTempFileLock& lock);

// Removes the temporary files of our pattern in folder that no live program
// holds. Failures are ignored: a file that cannot be removed stays.
void RemoveStaleTempFiles(const std::filesystem::path& folder) noexcept;

} // namespace kv::detail
