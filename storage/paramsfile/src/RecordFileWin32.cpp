// The file access of RecordFile.h on Windows, through the Win32 API: the same
// contract as the POSIX version. Names are UTF-8. The replacement of a file
// is shared with POSIX systems (FileReplacement.cpp).
#include "storage/paramsfile/RecordFile.h"

#include "Win32Errors.h"
#include "Win32Files.h"
#include "storage/paramsfile/ParamsErrors.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <utility>

namespace kv::detail {
namespace {

[[noreturn]] void Fail(const std::string& fileName, DWORD code) {
    throw win32::InOutError(fileName, code);
}

HANDLE HandleOfFd(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

// An existing file opened with `access`, as a C runtime descriptor that owns the handle.
int OpenOrFail(const std::string& fileName, DWORD access) {
    const HANDLE h = ::CreateFileW(win32::WideName(fileName).c_str(), access, win32::kShareAll,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) Fail(fileName, ::GetLastError());
    const int flags = _O_BINARY | ((access & GENERIC_WRITE) != 0 ? _O_RDWR : _O_RDONLY);
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
    if (fd < 0) {
        ::CloseHandle(h);
        Fail(fileName, ERROR_TOO_MANY_OPEN_FILES);
    }
    return fd;
}

} // namespace

TOpenFile TOpenFile::ForReading(const std::string& fileName) {
    return TOpenFile(fileName, OpenOrFail(fileName, GENERIC_READ));
}

TOpenFile TOpenFile::ForWriting(const std::string& fileName) {
    return TOpenFile(fileName, OpenOrFail(fileName, GENERIC_READ | GENERIC_WRITE));
}

TOpenFile::TOpenFile(TOpenFile&& other) noexcept
    : fileName_(std::move(other.fileName_)), fd_(std::exchange(other.fd_, -1)) {}

TOpenFile::~TOpenFile() {
    if (fd_ >= 0) ::_close(fd_);
}

std::uint64_t TOpenFile::Size() const {
    const HANDLE h = HandleOfFd(fd_);
    if (::GetFileType(h) != FILE_TYPE_DISK) Fail(fileName_, ERROR_INVALID_PARAMETER);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(h, &size)) Fail(fileName_, ::GetLastError());
    return static_cast<std::uint64_t>(size.QuadPart);
}

void TOpenFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    const HANDLE h = HandleOfFd(fd_);
    while (!into.empty()) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(into.size(), 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(h, into.data(), chunk, &n, &at)) {
            const DWORD code = ::GetLastError();
            if (code == ERROR_HANDLE_EOF) ThrowReadBeyondEnd(fileName_);
            Fail(fileName_, code);
        }
        if (n == 0) ThrowReadBeyondEnd(fileName_);
        into = into.subspan(n);
        offset += n;
    }
}

bool PathExists(const std::filesystem::path& path) {
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    const DWORD code = ::GetLastError();
    return code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND;
}

void CheckWritable(const std::string& fileName) {
    ::_close(OpenOrFail(fileName, GENERIC_WRITE));
}

} // namespace kv::detail
