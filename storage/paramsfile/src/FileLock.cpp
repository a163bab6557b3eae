#include "FileLock.h"

#include "storage/paramsfile/ParamsErrors.h"

#include <algorithm>
#include <cerrno>
#include <thread>

namespace kv::detail {
namespace {

// One attempt at the lock: the lock file, locked, when it is taken; empty
// when another program holds it or is removing the lock file.
TNativeFile TryTake(const std::filesystem::path& path) {
    TNativeFile file = OpenOrMakeNoFollow(path);
    // The holder before us may have removed the file we waited on, and a lock
    // on it would keep nobody out.
    if (file && TryLock(file) && StillNamed(file, path)) return file;
    return {};
}

} // namespace

TFolderLock::TFolderLock(const std::filesystem::path& folder, const std::string& fileName,
                         std::chrono::milliseconds wait)
    : path_((folder.empty() ? std::filesystem::path(".") : folder) / kLockFileName) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        try {
            file_ = TryTake(path_);
        } catch (const std::system_error& e) {
            ThrowFileError(fileName, e);
        }
        if (file_) return;
        if (Clock::now() >= deadline) throw EInOutError(fileName, EWOULDBLOCK, kLockedByOther);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
}

// Removed while still locked: a program waiting on this file then finds it
// gone and starts over with a new one.
TFolderLock::~TFolderLock() {
    RemoveWhileOpen(file_, path_);
}

} // namespace kv::detail
