// ReplacementIo.h on POSIX systems: mkostemp, write, fsync and rename.
#include "ReplacementIo.h"

#include "PosixCalls.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::detail {
namespace {

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::filesystem::path& file) {
    const auto folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

TNativeFile MakeUniqueFile(const std::filesystem::path& folder, std::string_view prefix,
                           std::filesystem::path& path) {
    std::string pattern = (folder / (std::string(prefix) + "XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) ThrowErrno();
    path = pattern;
    return TNativeFile(fd);
}

void TakeAccessOf(const TNativeFile& file, const std::filesystem::path& replaced) {
    struct stat old {};
    if (::stat(replaced.c_str(), &old) != 0) {
        if (::fchmod(Fd(file), NewFileMode()) != 0) ThrowErrno();
        return;
    }
    if (::fchmod(Fd(file), old.st_mode & 07777) != 0) ThrowErrno();
    const bool otherOwner = old.st_uid != ::geteuid() || old.st_gid != ::getegid();
    if (otherOwner && ::fchown(Fd(file), old.st_uid, old.st_gid) != 0) {
        // Only a privileged user may give a file away; the new file stays ours.
    }
}

void WriteAll(const TNativeFile& file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(Fd(file), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) throw std::system_error(EIO, std::generic_category());
        if (n < 0) ThrowErrno();
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
}

void FlushToDisk(const TNativeFile& file) {
    if (::fsync(Fd(file)) != 0) ThrowErrno();
}

void PutInPlace(const std::filesystem::path& temp, const std::filesystem::path& replaced,
                TNativeFile& lock) {
    if (::rename(temp.c_str(), replaced.c_str()) != 0) ThrowErrno();
    SyncFolder(replaced);
    lock.Close();
}

} // namespace kv::detail
