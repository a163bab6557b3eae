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
// The lock is taken in turn. Only the holder of the turn, a second lock file
// ".kestrovanhalme.next" taken and removed the same way, may take the lock,
// and it frees the turn once it has the lock. A program that has just freed
// the lock thus cannot take it again ahead of one that is waiting: it waits
// for the turn like any other, and the turn goes to whichever waiter tries
// first after it is freed. Waiters all try every millisecond, so each has the
// same chance, and under steady load from several programs no change waits
// through more than a few rounds of the others' changes.
//
// The locks are advisory (flock on POSIX systems, LockFileEx on Windows) and
// the system frees them when their holder dies, so a lock file left by a
// killed program blocks nobody and goes at the next change.

#include "storage/paramsfile/NativeFile.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace kv::detail {

inline constexpr const char* kLockFileName = ".kestrovanhalme.lock";
inline constexpr const char* kTurnFileName = ".kestrovanhalme.next";
// How long a change waits for the turn and the lock together.
inline constexpr std::chrono::milliseconds kLockWait{5000};
// The description of the failure when the wait runs out.
inline constexpr const char* kLockedByOther = "The file is being changed by another program";

// One lock file taken by this program; removed and freed on destruction.
class THeldLockFile {
  public:
    using TDeadline = std::chrono::steady_clock::time_point;
    // Takes the lock file under path, trying every millisecond until deadline.
    // Throws EInOutError naming fileName: with kLockedByOther when the wait
    // runs out, and naming the lock file and what is wrong with it when it
    // is something that cannot be locked (a directory, a symbolic link, a
    // file this user may not open).
    THeldLockFile(const std::filesystem::path& path, const std::string& fileName,
                  TDeadline deadline);
    ~THeldLockFile();
    THeldLockFile(const THeldLockFile&) = delete;
    THeldLockFile& operator=(const THeldLockFile&) = delete;

  private:
    std::filesystem::path path_;
    TNativeFile file_;
};

class TFolderLock {
  public:
    // Takes the turn and then the lock of folder (the current directory when
    // empty), and frees the turn. Throws EInOutError naming fileName, as
    // THeldLockFile does, when either cannot be had within wait.
    TFolderLock(const std::filesystem::path& folder, const std::string& fileName,
                std::chrono::milliseconds wait = kLockWait);

  private:
    static THeldLockFile TakeInTurn(const std::filesystem::path& folder,
                                    const std::string& fileName, THeldLockFile::TDeadline deadline);
    THeldLockFile lock_;
};

} // namespace kv::detail
