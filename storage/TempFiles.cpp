#include "TempFiles.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::detail {
namespace {

constexpr std::string_view kPrefix = ".kestrovanhalme-";
constexpr std::size_t kUniqueLength = 6; // the letters and digits mkstemp puts in
// A new file that a remover took for stale before we locked it is made again.
constexpr int kMakeTries = 100;

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// True when fd is the file under path (not removed or replaced meanwhile).
bool StillNamed(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Removes path if it is a regular file that nobody holds locked. The lock is
// taken first and kept while the file is removed, and the file is removed only
// if it is still the one locked, so a live program's file is never removed.
void RemoveIfStale(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (regular && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path))
        ::unlink(path.c_str());
    ::close(fd);
}

} // namespace

bool IsTempFileName(std::string_view name) {
    return name.size() == kPrefix.size() + kUniqueLength && name.starts_with(kPrefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kPrefix.size()), name.end(),
                       IsAsciiAlnum);
}

TTempFileLock::~TTempFileLock() {
    if (fd_ >= 0) ::close(fd_);
}

TTempFileLock& TTempFileLock::operator=(TTempFileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

// The lock is held through a second descriptor of the same open file, so that
// closing the file for writing before the rename does not free it. A file
// system without flock leaves the file unlocked: no remover can lock it either.
int MakeTempFile(const std::filesystem::path& folder, std::string& path, TTempFileLock& lock) {
    const std::filesystem::path in = folder.empty() ? std::filesystem::path(".") : folder;
    for (int attempt = 0; attempt < kMakeTries; ++attempt) {
        std::string pattern = (in / (std::string(kPrefix) + "XXXXXX")).string();
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) throw std::system_error(errno, std::generic_category());
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if ((locked || errno != EWOULDBLOCK) && StillNamed(fd, pattern)) {
            lock = TTempFileLock(locked ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1);
            path = pattern;
            return fd;
        }
        ::close(fd);
    }
    throw std::system_error(EEXIST, std::generic_category());
}

void RemoveStaleTempFiles(const std::filesystem::path& folder) noexcept {
    const std::filesystem::path in = folder.empty() ? std::filesystem::path(".") : folder;
    std::error_code ec;
    std::filesystem::directory_iterator entries(in, ec);
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::filesystem::path& entry = entries->path();
        if (IsTempFileName(entry.filename().string())) RemoveIfStale(entry.string());
    }
}

} // namespace kv::detail
