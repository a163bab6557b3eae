// NativeFile.h on Windows: HANDLEs, LockFileEx, and removal through the open
// file. Every file is opened sharing read, write and delete with other
// programs, as POSIX files are, except where a share mode is the point.
#include "storage/paramsfile/NativeFile.h"

#include "Win32Errors.h"
#include "Win32Files.h"
#include "storage/paramsfile/ParamsErrors.h"

#include <windows.h>

#include <cstring>

namespace kv::detail {
namespace {

// Opened without following a final symbolic link, as O_NOFOLLOW does.
constexpr DWORD kNoFollow = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;

// True when the name of a file that could not be opened is still held by a
// removed file: Windows refuses to open such a file (and to examine it) with
// ERROR_ACCESS_DENIED until every program has closed it. A file that merely
// denies access can still be examined.
bool BeingRemoved(const std::filesystem::path& path) {
    return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
           ::GetLastError() == ERROR_ACCESS_DENIED;
}

HANDLE OpenOrMake(const std::filesystem::path& path, DWORD access) {
    return ::CreateFileW(path.c_str(), access, win32::kShareAll, nullptr, OPEN_ALWAYS, kNoFollow,
                         nullptr);
}

} // namespace

void TNativeFile::Close() noexcept {
    if (value_ != kNone) ::CloseHandle(win32::HandleOf(std::exchange(value_, kNone)));
}

void TNativeFile::CloseChecked() {
    if (value_ != kNone && !::CloseHandle(win32::HandleOf(std::exchange(value_, kNone))))
        win32::ThrowLastError();
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return win32::PathOf(utf8);
}

// Win32 codes carry the system's own wording; errno values (from the standard
// library) the C library's.
void ThrowFileError(const std::string& fileName, const std::system_error& error) {
    const int code = error.code().value();
    if (error.code().category() == std::system_category())
        throw win32::InOutError(fileName, static_cast<unsigned long>(code));
    throw EInOutError(fileName, code, std::strerror(code));
}

std::error_code TooManyLinksError() {
    return {ERROR_CANT_RESOLVE_FILENAME, std::system_category()};
}

// Write and delete access where given, so that the holder can remove it.
TNativeFile OpenOrMakeNoFollow(const std::filesystem::path& path) {
    HANDLE h = OpenOrMake(path, GENERIC_READ | GENERIC_WRITE | DELETE);
    if (h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED) {
        if (BeingRemoved(path)) return {};
        h = OpenOrMake(path, GENERIC_READ);
    }
    if (h == INVALID_HANDLE_VALUE) win32::ThrowLastError();
    TNativeFile file(win32::ValueOf(h));
    if (win32::IsLink(h)) throw std::system_error(TooManyLinksError());
    return file;
}

// The maker of a temporary file denies others delete access while it writes
// the file, so that open fails with ERROR_SHARING_VIOLATION until then.
TNativeFile OpenToRemove(const std::filesystem::path& path) noexcept {
    const HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ | DELETE, win32::kShareAll, nullptr,
                                   OPEN_EXISTING, kNoFollow, nullptr);
    TNativeFile file(win32::ValueOf(h));
    if (file && !win32::IsRegularFile(h)) file.Close();
    return file;
}

// A new open of the file rather than a duplicate of the handle: Windows locks
// belong to the open file, and this one stays open after the first is closed.
TNativeFile OpenAgain(const TNativeFile& file) {
    const HANDLE h = ::ReOpenFile(win32::HandleOf(file.Value()), GENERIC_READ, win32::kShareAll, 0);
    if (h == INVALID_HANDLE_VALUE) win32::ThrowLastError();
    return TNativeFile(win32::ValueOf(h));
}

bool TryLock(const TNativeFile& file) {
    OVERLAPPED at = win32::LockedByte();
    constexpr DWORD kFlags = LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY;
    if (::LockFileEx(win32::HandleOf(file.Value()), kFlags, 0, 1, 0, &at)) return true;
    if (::GetLastError() == ERROR_LOCK_VIOLATION) return false;
    win32::ThrowLastError();
}

bool StillNamed(const TNativeFile& file, const std::filesystem::path& path) noexcept {
    const HANDLE named =
        ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, win32::kShareAll, nullptr, OPEN_EXISTING,
                      kNoFollow | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) return false;
    const bool same = win32::SameFile(win32::HandleOf(file.Value()), named);
    ::CloseHandle(named);
    return same;
}

// Through the open file where it has delete access, so that exactly the file
// held is removed; by name otherwise.
void RemoveWhileOpen(const TNativeFile& file, const std::filesystem::path& path) noexcept {
    if (file && win32::MarkForRemoval(win32::HandleOf(file.Value()))) return;
    ::DeleteFileW(path.c_str());
}

} // namespace kv::detail
