#include "FileLock.h"

#include "ParamsErrors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::detail {
namespace {

[[noreturn]] void Fail(const std::string& fileName, int code) {
    throw EInOutError(fileName, code, std::strerror(code));
}

// Opens the lock file, making it when missing; never through a symbolic link.
// Read access is enough to lock it when another user made it.
int OpenLockFile(const std::string& path) {
    const int flags = O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(path.c_str(), O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | flags, 0666);
    return fd;
}

// True when fd is still the file under path: the holder before us may have
// removed the file we waited on, and a lock on it would keep nobody out.
bool StillNamed(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

TFolderLock::TFolderLock(const std::filesystem::path& folder, const std::string& fileName,
                         std::chrono::milliseconds wait)
    : path_(((folder.empty() ? std::filesystem::path(".") : folder) / kLockFileName).string()) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        fd_ = OpenLockFile(path_);
        if (fd_ < 0) Fail(fileName, errno);
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            if (StillNamed(fd_, path_)) return;
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            const int code = errno;
            ::close(fd_);
            Fail(fileName, code);
        }
        ::close(fd_);
        fd_ = -1;
        if (Clock::now() >= deadline) throw EInOutError(fileName, EWOULDBLOCK, kLockedByOther);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
}

// Removed while still locked: a program waiting on this file then finds it
// gone and starts over with a new one.
TFolderLock::~TFolderLock() {
    ::unlink(path_.c_str());
    ::close(fd_);
}

} // namespace kv::detail
