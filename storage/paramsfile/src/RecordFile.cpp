// The file access of RecordFile.h on POSIX systems. The replacement of a
// file is shared with Windows (FileReplacement.cpp).
#include "storage/paramsfile/RecordFile.h"

#include "storage/paramsfile/ParamsErrors.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::detail {
namespace {

[[noreturn]] void Fail(const std::string& fileName, int code) {
    throw EInOutError(fileName, code, std::strerror(code));
}

int OpenOrFail(const std::string& fileName, int flags) {
    // Non-blocking, so that naming a pipe fails at the size test instead of hanging.
    const int fd = ::open(fileName.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) Fail(fileName, errno);
    return fd;
}

} // namespace

TOpenFile TOpenFile::ForReading(const std::string& fileName) {
    return TOpenFile(fileName, OpenOrFail(fileName, O_RDONLY));
}

TOpenFile TOpenFile::ForWriting(const std::string& fileName) {
    return TOpenFile(fileName, OpenOrFail(fileName, O_RDWR));
}

TOpenFile::TOpenFile(TOpenFile&& other) noexcept
    : fileName_(std::move(other.fileName_)), fd_(std::exchange(other.fd_, -1)) {}

TOpenFile::~TOpenFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::uint64_t TOpenFile::Size() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(fileName_, errno);
    if (!S_ISREG(st.st_mode)) Fail(fileName_, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    return static_cast<std::uint64_t>(st.st_size);
}

void TOpenFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    while (!into.empty()) {
        const ssize_t n = ::pread(fd_, into.data(), into.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(fileName_, errno);
        if (n == 0) ThrowReadBeyondEnd(fileName_);
        into = into.subspan(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
}

bool PathExists(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

void CheckWritable(const std::string& fileName) {
    ::close(OpenOrFail(fileName, O_WRONLY));
}

} // namespace kv::detail
