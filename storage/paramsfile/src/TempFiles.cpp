#include "TempFiles.h"

#include "ReplacementIo.h"

#include <algorithm>
#include <string_view>

namespace kv::detail {
namespace {

constexpr std::string_view kPrefix = ".kestrovanhalme-";
constexpr std::size_t kUniqueLength = 6; // the random letters and digits after the prefix
// A new file that a remover took for stale before we locked it is made again.
constexpr int kMakeTries = 100;

template <typename TChar> bool IsAsciiAlnum(TChar c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Removes path if it is a regular file that nobody holds locked. The lock is
// taken first and kept while the file is removed, and the file is removed only
// if it is still the one locked, so a live program's file is never removed.
void RemoveIfStale(const std::filesystem::path& path) noexcept {
    const TNativeFile file = OpenToRemove(path);
    try {
        if (file && TryLock(file) && StillNamed(file, path)) RemoveWhileOpen(file, path);
    } catch (const std::system_error&) {
        // A file system without locks: nobody's file can be known to be stale.
    }
}

// Takes the lock that marks a new file as ours: false when a remover holds it
// (and is removing the file). Where the file system has no locks, the file
// stays unlocked: no remover can lock it either.
bool LockAsOurs(TNativeFile& lock) {
    try {
        return TryLock(lock);
    } catch (const std::system_error&) {
        lock.Close();
        return true;
    }
}

} // namespace

bool IsTempFileName(const std::filesystem::path& name) {
    const auto& text = name.native(); // never converted: any name of the folder is compared
    return text.size() == kPrefix.size() + kUniqueLength &&
           std::equal(kPrefix.begin(), kPrefix.end(), text.begin()) &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(kPrefix.size()), text.end(),
                       IsAsciiAlnum<std::filesystem::path::value_type>);
}

void RemoveStaleTempFiles(const std::filesystem::path& folder) noexcept {
    const std::filesystem::path in = folder.empty() ? std::filesystem::path(".") : folder;
    std::error_code ec;
    std::filesystem::directory_iterator entries(in, ec);
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::filesystem::path& entry = entries->path();
        if (IsTempFileName(entry.filename())) RemoveIfStale(entry);
    }
}

// The lock is held through a second open of the file, so that closing the
// file for writing before it is put in place does not free it.
TTempFile::TTempFile(const std::filesystem::path& folder) {
    const std::filesystem::path in = folder.empty() ? std::filesystem::path(".") : folder;
    for (int attempt = 0; attempt < kMakeTries; ++attempt) {
        file_ = MakeUniqueFile(in, kPrefix, path_);
        try {
            lock_ = OpenAgain(file_);
        } catch (const std::system_error&) {
            RemoveWhileOpen(file_, path_);
            throw;
        }
        if (LockAsOurs(lock_) && StillNamed(file_, path_)) return;
        lock_.Close();
        file_.Close();
    }
    throw std::system_error(std::make_error_code(std::errc::file_exists));
}

TTempFile::~TTempFile() {
    if (!committed_) RemoveWhileOpen(file_, path_);
}

void TTempFile::TakeAccessOf(const std::filesystem::path& replaced) {
    detail::TakeAccessOf(file_, replaced);
}

void TTempFile::Write(std::span<const std::uint8_t> bytes) {
    WriteAll(file_, bytes);
}

void TTempFile::Commit(const std::filesystem::path& replaced) {
    FlushToDisk(file_);
    file_.CloseChecked();
    PutInPlace(path_, replaced, lock_);
    committed_ = true;
}

} // namespace kv::detail
