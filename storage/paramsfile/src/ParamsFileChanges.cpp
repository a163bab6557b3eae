// The operations that change a parameter file: each holds the folder's lock
// from reading the file to renaming the new contents into place, and checks the
// header and the size before it reads the rest. The file is copied into its
// replacement a block of records at a time, with the one changed record put in
// its place, so that memory stays flat for a file of any length.
#include "FileLock.h"
#include "LinkTarget.h"
#include "ParamsFileDetail.h"
#include "storage/paramsfile/FileReplacement.h"
#include "storage/paramsfile/ParamsMessages.h"
#include "storage/paramsfile/RecordFile.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <system_error>

namespace kv {
namespace {

using detail::OffsetOf;
using detail::TOpenFile;
using TBytes = std::vector<std::uint8_t>;

constexpr const char* kNotSavedParameterFile = "Not a saved parameter file";
// The records read or copied at a time.
constexpr std::uint64_t kBlockRecords = 256;

// The lock of the folder where fileName's replacement is written.
detail::TFolderLock LockFor(const std::string& fileName) {
    std::filesystem::path folder;
    try {
        folder = detail::TargetFolder(detail::PathFromUtf8(fileName));
    } catch (const std::system_error& e) {
        detail::ThrowFileError(fileName, e);
    }
    return detail::TFolderLock(folder, fileName);
}

TBytes NewFileContents() {
    const TSetRecord header = HeaderRecord();
    return TBytes(header.begin(), header.end());
}

// An existing file about to be changed, and its number of records (0 when it
// is empty: it is then written as a new file).
struct TChangedFile {
    TOpenFile File;
    std::uint64_t Records = 0;
};

// Opens the file for writing, so that a file the user may not change is
// refused before anything is written; nothing when record 0 is not the
// header. A file that ends in a partial record is refused.
std::optional<TChangedFile> OpenToChange(const std::string& fileName) {
    TOpenFile file = TOpenFile::ForWriting(fileName);
    const std::uint64_t size = file.Size();
    if (size == 0) return TChangedFile{std::move(file), 0};
    TSetRecord header;
    file.ReadAt(0, header);
    if (!IsHeader(header)) return std::nullopt;
    if (size % kRecordSize != 0) detail::ThrowReadBeyondEnd(fileName);
    return TChangedFile{std::move(file), size / kRecordSize};
}

// Calls visit with records [from, to) of file, a block at a time, and the
// number of the block's first record; stops when visit returns false.
void ForEachBlock(const TOpenFile& file, std::uint64_t from, std::uint64_t to,
                  const std::function<bool(std::uint64_t, std::span<const std::uint8_t>)>& visit) {
    TBytes block;
    for (std::uint64_t first = from; first < to; first += kBlockRecords) {
        block.resize(OffsetOf(std::min(kBlockRecords, to - first)));
        file.ReadAt(OffsetOf(first), block);
        if (!visit(first, block)) return;
    }
}

// The lowest free set record, or the record after the last.
std::uint64_t FirstFreeSlot(const TChangedFile& changed) {
    std::uint64_t slot = changed.Records;
    ForEachBlock(changed.File, 1, changed.Records, [&](std::uint64_t first, auto block) {
        for (std::uint64_t n = 0; OffsetOf(n) < block.size(); ++n)
            if (block[OffsetOf(n) + kInUseOffset] == 0) {
                slot = first + n;
                return false;
            }
        return true;
    });
    return slot;
}

// Replaces the file by its records with record `at` (at most the number of
// records: then it is added at the end) holding record instead. The file is
// closed before its replacement is put in its place.
void ReplaceRecord(const std::string& fileName, std::optional<TChangedFile>& changed,
                   std::uint64_t at, const TSetRecord& record) {
    TFileReplacement replacement(fileName);
    const auto copy = [&](std::uint64_t, std::span<const std::uint8_t> block) {
        replacement.Write(block);
        return true;
    };
    ForEachBlock(changed->File, 0, at, copy);
    replacement.Write(record);
    ForEachBlock(changed->File, at + 1, changed->Records, copy);
    changed.reset();
    replacement.Commit();
}

// A new file of the header and record, as record 1.
TWriteResult WriteNewFile(const std::string& fileName, const TSetRecord& record) {
    TBytes bytes = NewFileContents();
    bytes.insert(bytes.end(), record.begin(), record.end());
    detail::ReplaceFile(fileName, bytes);
    return {true, 1};
}

// What a save under the lock did: the result, or the warning that refuses it.
struct TLockedWrite {
    TWriteResult Result;
    std::string Warning;
};

TLockedWrite WriteLocked(const std::string& fileName, const TSetRecord& record) {
    const detail::TFolderLock lock = LockFor(fileName);
    if (!detail::FileExists(fileName)) return {WriteNewFile(fileName, record), {}};
    std::optional<TChangedFile> changed = OpenToChange(fileName);
    if (!changed) return {{}, msg::NotValidParameterFile(fileName)};
    if (changed->Records == 0) return {WriteNewFile(fileName, record), {}};
    const std::uint64_t slot = FirstFreeSlot(*changed);
    if (slot >= kMaxRecords) return {{}, msg::FileIsFull(fileName, kMaxRecords - 1)};
    const std::int32_t recordNumber = detail::CheckedRecordNumber(fileName, slot);
    ReplaceRecord(fileName, changed, slot, record);
    return {{true, recordNumber}, {}};
}

bool IsSetRecord(const TChangedFile& changed, std::int32_t recordNumber) {
    return recordNumber >= 1 && static_cast<std::uint64_t>(recordNumber) < changed.Records;
}

void FreeRecord(const std::string& fileName, std::optional<TChangedFile>& changed,
                std::int32_t recordNumber) {
    ReplaceRecord(fileName, changed, static_cast<std::uint64_t>(recordNumber), TSetRecord{});
}

} // namespace

void detail::CreateIfMissing(const std::string& fileName) {
    const TFolderLock lock = LockFor(fileName);
    if (!FileExists(fileName)) ReplaceFile(fileName, NewFileContents());
}

void CreateParamsFile(const std::string& fileName) {
    const detail::TFolderLock lock = LockFor(fileName);
    detail::ReplaceFile(fileName, NewFileContents());
}

// The warning waits until the lock is freed: a message box may stay open long.
TWriteResult WriteParameterSet(const std::string& fileName, const TSetRecord& record,
                               IWarningSink& warnings) {
    const TLockedWrite written = WriteLocked(fileName, record);
    if (!written.Warning.empty()) warnings.ShowWarning(written.Warning);
    return written.Result;
}

void DeleteParameterSet(const std::string& fileName, std::int32_t recordNumber) {
    const detail::TFolderLock lock = LockFor(fileName);
    std::optional<TChangedFile> changed = OpenToChange(fileName);
    if (!changed) throw EInOutError(fileName, 0, kNotSavedParameterFile);
    if (!IsSetRecord(*changed, recordNumber)) detail::ThrowNoSuchRecord(fileName, recordNumber);
    FreeRecord(fileName, changed, recordNumber);
}

bool DeleteListedSet(const std::string& fileName, const TSetEntry& entry) {
    const detail::TFolderLock lock = LockFor(fileName);
    if (!detail::FileExists(fileName)) return false;
    std::optional<TChangedFile> changed = OpenToChange(fileName);
    if (!changed || !IsSetRecord(*changed, entry.RecordNumber)) return false;
    TSetRecord record;
    changed->File.ReadAt(OffsetOf(static_cast<std::uint64_t>(entry.RecordNumber)), record);
    if (!detail::HoldsEntry(record, entry)) return false;
    FreeRecord(fileName, changed, entry.RecordNumber);
    return true;
}

} // namespace kv
