#include "FileLock.h"

#include "storage/paramsfile/ParamsErrors.h"

#include <cerrno>
#include <thread>

namespace kv::detail {
namespace {

// Waiters try at one steady pace, so that none is favoured by having waited less.
constexpr std::chrono::milliseconds kRetryPause{1};

// One attempt at the lock file: open and locked when it is taken; empty when
// another program holds it or is removing it.
TNativeFile TryTake(const std::filesystem::path& path) {
    TNativeFile file = OpenOrMakeNoFollow(path);
    // The holder before us may have removed the file we waited on, and a lock
    // on it would keep nobody out.
    if (file && TryLock(file) && StillNamed(file, path)) return file;
    return {};
}

// The lock file's name as the user finds it: from the root, in UTF-8.
std::string Shown(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    const std::u8string text = (ec ? path : full).lexically_normal().u8string();
    return std::string(text.begin(), text.end());
}

// What is wrong with the lock file under path, which could not be opened;
// empty when nothing is there (the folder itself refused the new file, and
// the system's wording says why).
std::string Fault(const std::filesystem::path& path, const std::string& systemWording) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, ec);
    if (ec || !std::filesystem::exists(status)) return {};
    if (std::filesystem::is_symlink(status)) return "is a symbolic link";
    if (std::filesystem::is_directory(status)) return "is a directory";
    if (!std::filesystem::is_regular_file(status)) return "is not a regular file";
    return "cannot be opened: " + systemWording;
}

[[noreturn]] void ThrowLockFileError(const std::filesystem::path& path, const std::string& fileName,
                                     const std::system_error& error) {
    try {
        ThrowFileError(fileName, error);
    } catch (const EInOutError& e) {
        const std::string fault = Fault(path, e.Description());
        if (fault.empty()) throw;
        throw EInOutError(fileName, e.Code(), "The lock file '" + Shown(path) + "' " + fault);
    }
}

std::filesystem::path InFolder(const std::filesystem::path& folder, const char* name) {
    return (folder.empty() ? std::filesystem::path(".") : folder) / name;
}

} // namespace

THeldLockFile::THeldLockFile(const std::filesystem::path& path, const std::string& fileName,
                             TDeadline deadline)
    : path_(path) {
    for (;;) {
        try {
            file_ = TryTake(path_);
        } catch (const std::system_error& e) {
            ThrowLockFileError(path_, fileName, e);
        }
        if (file_) return;
        if (std::chrono::steady_clock::now() >= deadline)
            throw EInOutError(fileName, EWOULDBLOCK, kLockedByOther);
        std::this_thread::sleep_for(kRetryPause);
    }
}

// Removed while still locked: a program waiting on this file then finds it
// gone and starts over with a new one.
THeldLockFile::~THeldLockFile() {
    RemoveWhileOpen(file_, path_);
}

TFolderLock::TFolderLock(const std::filesystem::path& folder, const std::string& fileName,
                         std::chrono::milliseconds wait)
    : lock_(TakeInTurn(folder, fileName, std::chrono::steady_clock::now() + wait)) {}

// The turn is freed on return, as soon as the lock is held or could not be had.
THeldLockFile TFolderLock::TakeInTurn(const std::filesystem::path& folder,
                                      const std::string& fileName,
                                      THeldLockFile::TDeadline deadline) {
    const THeldLockFile turn(InFolder(folder, kTurnFileName), fileName, deadline);
    return THeldLockFile(InFolder(folder, kLockFileName), fileName, deadline);
}

} // namespace kv::detail
