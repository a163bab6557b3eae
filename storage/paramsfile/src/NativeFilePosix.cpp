// NativeFile.h on POSIX systems: descriptors, flock and names as bytes.
#include "storage/paramsfile/NativeFile.h"

#include "PosixCalls.h"
#include "storage/paramsfile/ParamsErrors.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::detail {

void TNativeFile::Close() noexcept {
    if (value_ != kNone) ::close(static_cast<int>(std::exchange(value_, kNone)));
}

void TNativeFile::CloseChecked() {
    if (value_ != kNone && ::close(static_cast<int>(std::exchange(value_, kNone))) != 0)
        ThrowErrno();
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(utf8);
}

void ThrowFileError(const std::string& fileName, const std::system_error& error) {
    const int code = error.code().value();
    throw EInOutError(fileName, code, std::strerror(code));
}

std::error_code TooManyLinksError() {
    return {ELOOP, std::generic_category()};
}

std::optional<std::filesystem::path> SymbolicLinkTarget(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)) || ec)
        return std::nullopt;
    std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (ec) return std::nullopt;
    return target;
}

// Non-blocking, so that a named pipe under the name does not hang the open.
TNativeFile OpenOrMakeNoFollow(const std::filesystem::path& path) {
    const int flags = O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    int fd = ::open(path.c_str(), O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | flags, 0666);
    if (fd < 0) ThrowErrno();
    return TNativeFile(fd);
}

TNativeFile OpenToRemove(const std::filesystem::path& path) noexcept {
    TNativeFile file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (file && (::fstat(Fd(file), &st) != 0 || !S_ISREG(st.st_mode))) file.Close();
    return file;
}

// A duplicate shares the open file and so its flock: the lock stays when the
// first descriptor is closed.
TNativeFile OpenAgain(const TNativeFile& file) {
    const int fd = ::fcntl(Fd(file), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) ThrowErrno();
    return TNativeFile(fd);
}

bool TryLock(const TNativeFile& file) {
    if (::flock(Fd(file), LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EWOULDBLOCK || errno == EINTR) return false;
    ThrowErrno();
}

bool StillNamed(const TNativeFile& file, const std::filesystem::path& path) noexcept {
    struct stat held {};
    struct stat named {};
    return ::fstat(Fd(file), &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

void RemoveWhileOpen(const TNativeFile&, const std::filesystem::path& path) noexcept {
    ::unlink(path.c_str());
}

} // namespace kv::detail
