#pragma once
// A file written whole or not at all, for contents made piece by piece (the
// command-line tool's deals) as well as at once (the parameter files). The
// pieces go into a temporary file in the folder of the replaced file
// (TempFiles.h); Commit flushes it to disk and renames it over the file. The
// file is thus at every moment either its old self or the whole new one: a run
// that fails, runs out of disk or is killed part-way leaves it untouched.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace kv {

class TFileReplacement {
  public:
    // Starts replacing fileName; through a symbolic link, the file it points
    // to, made if missing. An existing file must be open-able for writing and
    // passes its permissions and owner on. Temporary files that killed
    // programs left in the folder are removed first. Throws EInOutError
    // naming fileName.
    explicit TFileReplacement(const std::string& fileName);
    // Removes the temporary file unless Commit succeeded.
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // Appends to the new contents. Throws EInOutError (a full disk, say).
    void Write(std::span<const std::uint8_t> bytes);
    void Write(std::string_view text);
    // Flushes the new contents to disk and renames them over the file. Throws
    // EInOutError, and the file keeps its old contents.
    void Commit();

  private:
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};

} // namespace kv
