#pragma once
// Windows only: the pieces of file handling that the folder lock, the
// temporary files and the symbolic links share on Windows.

#include "storage/paramsfile/NativeFile.h"

#include <windows.h>

namespace kv::win32 {

// Files are opened sharing everything with other programs, as on POSIX systems.
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

inline HANDLE HandleOf(detail::TNativeFile::TValue value) {
    return reinterpret_cast<HANDLE>(value);
}
inline detail::TNativeFile::TValue ValueOf(HANDLE h) {
    return reinterpret_cast<detail::TNativeFile::TValue>(h);
}

// The byte that a lock covers: Windows locks keep other programs from reading
// and writing the bytes they cover, so it lies far beyond the end of any file.
inline OVERLAPPED LockedByte() {
    OVERLAPPED at{};
    at.OffsetHigh = 0x40000000; // byte 2^62
    return at;
}

// True for an open symbolic link or junction (opened as itself, not followed).
bool IsLink(HANDLE h);
// True for an open file that is neither a folder nor a link.
bool IsRegularFile(HANDLE h);
// True when both handles are open on the same file.
bool SameFile(HANDLE a, HANDLE b);
// Has the system remove the file when its last handle is closed (at once,
// where the file system allows, with the name freed immediately); false when
// the handle lacks delete access.
bool MarkForRemoval(HANDLE h);

} // namespace kv::win32
