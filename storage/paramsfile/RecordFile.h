#pragma once
// The file access under the parameter-file operations: reading records from an
// open file, and replacing a file's whole contents so that a failure at any
// point leaves the old file as it was. Every failure throws EInOutError with
// the system's description.

#include "storage/paramsfile/NativeFile.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kv::detail {

class TOpenFile {
  public:
    // Opens an existing file for reading only.
    static TOpenFile ForReading(const std::string& fileName);
    // Opens an existing file for reading and writing (refused for a read-only file).
    static TOpenFile ForWriting(const std::string& fileName);

    TOpenFile(TOpenFile&& other) noexcept;
    TOpenFile& operator=(TOpenFile&&) = delete;
    ~TOpenFile();

    std::uint64_t Size() const;
    // Fills into from offset; a short read throws "Read beyond end of file".
    void ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) const;

  private:
    TOpenFile(std::string fileName, int fd) : fileName_(std::move(fileName)), fd_(fd) {}
    std::string fileName_;
    int fd_;
};

// The failure of a read that reaches the end of the file too soon.
[[noreturn]] void ThrowReadBeyondEnd(const std::string& fileName);

// True when something exists under the path (a file that cannot be examined
// counts as existing, so that opening it reports why).
bool PathExists(const std::filesystem::path& path);
inline bool FileExists(const std::string& fileName) {
    return PathExists(PathFromUtf8(fileName));
}

// Opens an existing file for writing only and closes it again: a file the
// user may not change is refused before anything is written.
void CheckWritable(const std::string& fileName);

// Writes bytes to a new file in the same folder, flushes it to disk and renames
// it over fileName (following a symbolic link to its target). An existing file
// keeps its permissions and owner and must be open-able for writing. On any
// failure the temporary file is removed and fileName is untouched.
void ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes);

} // namespace kv::detail
