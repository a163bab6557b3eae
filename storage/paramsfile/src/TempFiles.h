#pragma once
// The temporary files that new file contents are written into before they are
// put in the place of the old file. Each is named ".kestrovanhalme-" and six
// letters or digits, in the folder of the file it will replace: short, so that
// the replaced file's name may have any length the system allows, and
// specific enough to be known as ours.
//
// A program holds an exclusive lock on its temporary file for as long as the
// file is its own (flock on POSIX systems; on Windows LockFileEx, and while the
// file is being written, a share mode that lets nobody else remove it), and
// the system frees the lock when the program dies. So a temporary file of our
// pattern that can be locked belongs to no live program: it was left by a
// killed or crashed one, and the next write into the folder removes it. A live
// program's file, however long its run, is never touched, nor is any file of
// another pattern.

#include "storage/paramsfile/NativeFile.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace kv::detail {

// True for a file name (without folder) of our temporary files' pattern.
bool IsTempFileName(const std::filesystem::path& name);

// Removes the temporary files of our pattern in folder that no live program
// holds. Failures are ignored: a file that cannot be removed stays.
void RemoveStaleTempFiles(const std::filesystem::path& folder) noexcept;

// A new temporary file, locked as this program's own; removed on destruction
// unless it was put in place. Every call throws std::system_error.
class TTempFile {
  public:
    // Makes the file in folder (the current directory when empty).
    explicit TTempFile(const std::filesystem::path& folder);
    ~TTempFile();
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    // Gives the file what it must keep of the file it will replace
    // (ReplacementIo.h: TakeAccessOf).
    void TakeAccessOf(const std::filesystem::path& replaced);
    void Write(std::span<const std::uint8_t> bytes);
    // Flushes the contents to disk and puts the file in the place of replaced.
    // On failure replaced keeps its old contents.
    void Commit(const std::filesystem::path& replaced);

  private:
    std::filesystem::path path_;
    TNativeFile lock_; // holds the lock; closed after file_
    TNativeFile file_; // open for writing until Commit
    bool committed_ = false;
};

} // namespace kv::detail
