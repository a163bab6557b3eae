// The operations that change a parameter file: each holds the folder's lock
// from reading the file to renaming the new contents into place, and checks the
// header and the size before it reads the whole file.
#include "FileLock.h"
#include "LinkTarget.h"
#include "ParamsFileDetail.h"
#include "storage/paramsfile/ParamsMessages.h"
#include "storage/paramsfile/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>

namespace kv {
namespace {

using detail::OffsetOf;
using detail::TOpenFile;
using TBytes = std::vector<std::uint8_t>;

constexpr const char* kNotSavedParameterFile = "Not a saved parameter file";

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

// The contents of an existing file about to be changed, read whole only after
// its first record proved to be the header and its size a whole number of
// records, at most kMaxChangedRecords; nothing when record 0 is not the header.
// An empty file reads as a new one. It is opened for writing, so a file the
// user may not change is refused before anything is written.
std::optional<TBytes> ContentsToChange(const std::string& fileName) {
    const TOpenFile file = TOpenFile::ForWriting(fileName);
    const std::uint64_t size = file.Size();
    if (size == 0) return NewFileContents();
    TSetRecord header;
    file.ReadAt(0, header);
    if (!IsHeader(header)) return std::nullopt;
    if (size % kRecordSize != 0) detail::ThrowReadBeyondEnd(fileName);
    if (size / kRecordSize > kMaxChangedRecords)
        throw EInOutError(fileName, EFBIG, std::strerror(EFBIG));
    return file.ReadAll();
}

// The lowest free set record, or the record after the last.
std::uint64_t FirstFreeSlot(const TBytes& bytes) {
    std::uint64_t n = 1;
    while (OffsetOf(n) < bytes.size() && bytes[OffsetOf(n) + kInUseOffset] != 0)
        ++n;
    return n;
}

std::optional<TWriteResult> WriteLocked(const std::string& fileName, const TSetRecord& record) {
    const detail::TFolderLock lock = LockFor(fileName);
    std::optional<TBytes> bytes =
        detail::FileExists(fileName) ? ContentsToChange(fileName) : NewFileContents();
    if (!bytes) return std::nullopt;
    const std::uint64_t slot = FirstFreeSlot(*bytes);
    const std::int32_t recordNumber = detail::CheckedRecordNumber(fileName, slot);
    if (OffsetOf(slot) == bytes->size()) bytes->resize(bytes->size() + kRecordSize);
    std::copy(record.begin(), record.end(),
              bytes->begin() + static_cast<std::ptrdiff_t>(OffsetOf(slot)));
    detail::ReplaceFile(fileName, *bytes);
    return TWriteResult{true, recordNumber};
}

bool IsSetRecord(const TBytes& bytes, std::int32_t recordNumber) {
    return recordNumber >= 1 &&
           static_cast<std::uint64_t>(recordNumber) < bytes.size() / kRecordSize;
}

TSetRecord RecordAt(const TBytes& bytes, std::int32_t recordNumber) {
    TSetRecord record;
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(recordNumber));
    std::copy(at, at + kRecordSize, record.begin());
    return record;
}

void FreeRecord(const std::string& fileName, TBytes& bytes, std::int32_t recordNumber) {
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(recordNumber));
    std::fill(at, at + kRecordSize, std::uint8_t{0});
    detail::ReplaceFile(fileName, bytes);
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
    const std::optional<TWriteResult> written = WriteLocked(fileName, record);
    if (written) return *written;
    warnings.ShowWarning(msg::NotValidParameterFile(fileName));
    return {};
}

void DeleteParameterSet(const std::string& fileName, std::int32_t recordNumber) {
    const detail::TFolderLock lock = LockFor(fileName);
    std::optional<TBytes> bytes = ContentsToChange(fileName);
    if (!bytes) throw EInOutError(fileName, 0, kNotSavedParameterFile);
    if (!IsSetRecord(*bytes, recordNumber)) detail::ThrowNoSuchRecord(fileName, recordNumber);
    FreeRecord(fileName, *bytes, recordNumber);
}

bool DeleteListedSet(const std::string& fileName, const TSetEntry& entry) {
    const detail::TFolderLock lock = LockFor(fileName);
    if (!detail::FileExists(fileName)) return false;
    std::optional<TBytes> bytes = ContentsToChange(fileName);
    if (!bytes || !IsSetRecord(*bytes, entry.RecordNumber) ||
        !detail::HoldsEntry(RecordAt(*bytes, entry.RecordNumber), entry))
        return false;
    FreeRecord(fileName, *bytes, entry.RecordNumber);
    return true;
}

} // namespace kv
