// The file access of RecordFile.h on Windows, through the Win32 API: the same
// contract as the POSIX version. A file is replaced by writing a temporary
// file beside it, flushing it to disk and swapping it in with ReplaceFileW,
// which keeps the replaced file's attributes and access rights (MoveFileExW
// for a file that does not exist yet). Names are UTF-8.
#include "RecordFile.h"

#include "ParamsErrors.h"
#include "Win32Errors.h"

#include <windows.h>
#undef ReplaceFile // the Win32 macro, not our function

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <utility>

namespace kv::detail {
namespace {

constexpr const char* kReadBeyondEnd = "Read beyond end of file";
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A Win32 failure inside the replacement, turned into EInOutError at its end.
struct TWin32Failure {
    DWORD Code;
};

[[noreturn]] void Fail(const std::string& fileName, DWORD code) {
    throw win32::InOutError(fileName, code);
}

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

// An existing file opened with `access`, as a C runtime descriptor that owns the handle.
int OpenOrFail(const std::string& fileName, DWORD access) {
    const HANDLE h = ::CreateFileW(win32::WideName(fileName).c_str(), access, kShareAll, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) Fail(fileName, ::GetLastError());
    const int flags = _O_BINARY | ((access & GENERIC_WRITE) != 0 ? _O_RDWR : _O_RDONLY);
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
    if (fd < 0) {
        ::CloseHandle(h);
        Fail(fileName, ERROR_TOO_MANY_OPEN_FILES);
    }
    return fd;
}

// The file a replacement must take the place of: the target of a symbolic
// link, else the name itself.
std::filesystem::path ReplacedPath(const std::string& fileName) {
    std::error_code ec;
    const auto resolved = std::filesystem::canonical(win32::PathOf(fileName), ec);
    return ec ? win32::PathOf(fileName) : resolved;
}

// A new file beside the replaced one, deleted on destruction unless kept.
class TTempFile {
  public:
    explicit TTempFile(const std::filesystem::path& beside) {
        static std::atomic<unsigned> counter{0};
        const auto folder = beside.has_parent_path() ? beside.parent_path() : ".";
        for (int attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
            const std::wstring suffix = std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                        std::to_wstring(::GetTickCount64()) + L"-" +
                                        std::to_wstring(counter++);
            path_ = folder / (L"." + beside.filename().wstring() + L"." + suffix + L".tmp");
            handle_ = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
        }
        if (handle_ == INVALID_HANDLE_VALUE) throw TWin32Failure{::GetLastError()};
    }
    ~TTempFile() {
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
        if (!kept_) ::DeleteFileW(path_.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    void Write(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), chunk, &written, nullptr))
                throw TWin32Failure{::GetLastError()};
            if (written == 0) throw TWin32Failure{ERROR_WRITE_FAULT};
            bytes = bytes.subspan(written);
        }
    }
    // Flushes the contents to disk and closes the file.
    void Finish() {
        if (!::FlushFileBuffers(handle_)) throw TWin32Failure{::GetLastError()};
        const HANDLE h = std::exchange(handle_, INVALID_HANDLE_VALUE);
        if (!::CloseHandle(h)) throw TWin32Failure{::GetLastError()};
    }
    const std::filesystem::path& Path() const { return path_; }
    void Keep() { kept_ = true; }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::filesystem::path path_;
    bool kept_ = false;
};

// Puts the finished temporary file in the place of `replaced`.
void SwapIn(const std::filesystem::path& temp, const std::filesystem::path& replaced, bool exists) {
    constexpr DWORD kMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!exists) {
        if (!::MoveFileExW(temp.c_str(), replaced.c_str(), kMove))
            throw TWin32Failure{::GetLastError()};
        return;
    }
    if (::ReplaceFileW(replaced.c_str(), temp.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                       nullptr))
        return;
    const DWORD replaceError = ::GetLastError();
    // Some file systems cannot replace (ERROR_UNABLE_TO_REMOVE_REPLACED and
    // the like leave both files as they were): a plain replacing move then.
    if (!::MoveFileExW(temp.c_str(), replaced.c_str(), kMove)) throw TWin32Failure{replaceError};
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
    const HANDLE h = HandleOf(fd_);
    if (::GetFileType(h) != FILE_TYPE_DISK) Fail(fileName_, ERROR_INVALID_PARAMETER);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(h, &size)) Fail(fileName_, ::GetLastError());
    return static_cast<std::uint64_t>(size.QuadPart);
}

void TOpenFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) const {
    const HANDLE h = HandleOf(fd_);
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

std::vector<std::uint8_t> TOpenFile::ReadAll() const {
    std::vector<std::uint8_t> bytes(Size());
    ReadAt(0, bytes);
    return bytes;
}

void ThrowReadBeyondEnd(const std::string& fileName) {
    throw EInOutError(fileName, 0, kReadBeyondEnd);
}

bool FileExists(const std::string& fileName) {
    if (::GetFileAttributesW(win32::WideName(fileName).c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD code = ::GetLastError();
    return code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND;
}

void ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path replaced = ReplacedPath(fileName);
    const bool exists = FileExists(fileName);
    if (exists) ::_close(OpenOrFail(fileName, GENERIC_WRITE)); // a read-only file is refused here
    try {
        TTempFile temp(replaced);
        temp.Write(bytes);
        temp.Finish();
        SwapIn(temp.Path(), replaced, exists);
        temp.Keep();
    } catch (const TWin32Failure& failure) {
        Fail(fileName, failure.Code);
    }
}

} // namespace kv::detail
