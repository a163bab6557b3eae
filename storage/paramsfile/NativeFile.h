#pragma once
// An open file of the system and the calls on it that the folder lock and the
// temporary files share, declared once for every platform: NativeFilePosix.cpp implements them with
// POSIX calls, NativeFileWin32.cpp with the Win32 API. A file is a descriptor on POSIX systems and
// a HANDLE on Windows, held as an integer (-1 for none on both), so that no header needs the
// system's own.
//
// The calls throw std::system_error with the system's error number: errno on
// POSIX systems, the Win32 error code on Windows (ThrowFileError turns it into
// the EInOutError of the parameter-file operations).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace kv::detail {

class TNativeFile {
  public:
    using TValue = std::intptr_t;
    static constexpr TValue kNone = -1;

    TNativeFile() = default;
    explicit TNativeFile(TValue value) : value_(value) {}
    ~TNativeFile() { Close(); }
    TNativeFile(TNativeFile&& other) noexcept : value_(std::exchange(other.value_, kNone)) {}
    TNativeFile& operator=(TNativeFile&& other) noexcept {
        if (this != &other) {
            Close();
            value_ = std::exchange(other.value_, kNone);
        }
        return *this;
    }

    explicit operator bool() const { return value_ != kNone; }
    TValue Value() const { return value_; }
    // Closes the file (nothing when none is open); failures are ignored.
    void Close() noexcept;
    // Closes the file; throws when the system reports a failure, such as a
    // write it could not complete.
    void CloseChecked();

  private:
    TValue value_ = kNone;
};

// A file name given as UTF-8, as the program holds every name, in the form the
// system's calls take.
std::filesystem::path PathFromUtf8(const std::string& utf8);

// The failure as the EInOutError naming fileName, with the system's wording.
[[noreturn]] void ThrowFileError(const std::string& fileName, const std::system_error& error);

// The failure of following more symbolic links than the system allows.
std::error_code TooManyLinksError();

// What the symbolic link path holds: the path it points to, relative to the
// link's folder unless absolute. Nothing when path is not a symbolic link or
// cannot be read.
std::optional<std::filesystem::path> SymbolicLinkTarget(const std::filesystem::path& path);

// Opens the file under path for reading and writing, or for reading only when
// writing is denied, making it when missing; never through a symbolic link
// (refused with TooManyLinksError). Empty when the file is still being removed
// by another program: Windows keeps a removed file's name until every program
// has closed it.
TNativeFile OpenOrMakeNoFollow(const std::filesystem::path& path);

// Opens the regular file under path, never through a link, so that it can be
// locked and then removed with RemoveWhileOpen. Empty when that is not
// possible: gone, not a regular file, or still being written by its maker.
TNativeFile OpenToRemove(const std::filesystem::path& path) noexcept;

// A second open of file, for reading, that can hold the file's lock after file
// itself has been closed.
TNativeFile OpenAgain(const TNativeFile& file);

// Takes the exclusive advisory lock of file without waiting: true when taken,
// false when another open file holds it. The system frees the lock when the
// holder closes the file or dies. Throws for any other failure (a file system
// without locks).
bool TryLock(const TNativeFile& file);

// True when file is still the one under path: not removed or replaced since
// it was opened.
bool StillNamed(const TNativeFile& file, const std::filesystem::path& path) noexcept;

// Removes file, named path, from its folder while it stays open, so that its
// lock is held until it is closed. Failures are ignored: the file stays.
void RemoveWhileOpen(const TNativeFile& file, const std::filesystem::path& path) noexcept;

} // namespace kv::detail
