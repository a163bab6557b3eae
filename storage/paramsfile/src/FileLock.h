#pragma once
// The exclusive lock that every change of a parameter file holds from reading
// the file until its replacement has been renamed into place, so that two
// programs (two windows, or a window and the command-line tool) never both
// change a file from the same old contents and lose one of the changes.
//
// What is locked is a lock file, ".kestrovanhalme.lock", in the folder of the
// file being changed, not the parameter file: a change renames a new file over
// the old one, so a lock on the old file would not keep out a program that
// opened the new one. The lock file is removed again by its holder, so it can
// be replaced too; a program therefore counts the lock as held only when the
// lock file it locked is still the one under that name, and starts over
// otherwise. One lock serves all the files of a folder: changes take
// milliseconds, and the short fixed name fits beside a file name of any length.
//
// The lock is advisory (flock on POSIX systems, LockFileEx on Windows) and the
// system frees it when its holder dies, so a lock file left by a killed
// program blocks nobody and goes at the next change.

#include "storage/paramsfile/NativeFile.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace kv::detail {

inline constexpr const char* kLockFileName = ".kestrovanhalme.lock";
// How long a change waits for another program's change to end.
inline constexpr std::chrono::milliseconds kLockWait{5000};
// The description of the failure when the wait runs out.
inline constexpr const char* kLockedByOther = "The file is being changed by another program";

class TFolderLock {
  public:
    // Takes the lock of folder (the current directory when empty). Throws
    // EInOutError naming fileName when the lock file cannot be made or opened,
    // or with kLockedByOther when another program holds the lock for all of wait.
    TFolderLock(const std::filesystem::path& folder, const std::string& fileName,
                std::chrono::milliseconds wait = kLockWait);
    // Removes the lock file and frees the lock.
    ~TFolderLock();
    TFolderLock(const TFolderLock&) = delete;
    TFolderLock& operator=(const TFolderLock&) = delete;

  private:
    std::filesystem::path path_;
    TNativeFile file_;
};

} // namespace kv::detail
