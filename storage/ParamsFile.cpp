#include "ParamsFile.h"

#include "ParamsMessages.h"
#include "RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace kv {
namespace {

using detail::TOpenFile;

constexpr std::uint64_t kMaxRecordNumber = std::numeric_limits<std::int32_t>::max();

std::uint64_t OffsetOf(std::uint64_t recordNumber) { return recordNumber * kRecordSize; }

[[noreturn]] void ThrowNoSuchRecord(const std::string& fileName, std::int64_t recordNumber)
{
    throw EInOutError(fileName, 0, "There is no parameter set at record " + std::to_string(recordNumber));
}

std::int32_t CheckedRecordNumber(const std::string& fileName, std::uint64_t n)
{
    if (n > kMaxRecordNumber) throw EInOutError(fileName, EFBIG, std::strerror(EFBIG));
    return static_cast<std::int32_t>(n);
}

// The contents of a file about to be changed. It is opened for writing, so a
// file the user may not change is refused here, before anything is written.
// A missing or empty file reads as a new file: just the header record.
std::vector<std::uint8_t> ContentsToChange(const std::string& fileName)
{
    std::vector<std::uint8_t> bytes;
    if (detail::FileExists(fileName)) bytes = TOpenFile::ForWriting(fileName).ReadAll();
    if (bytes.empty()) {
        const TSetRecord header = HeaderRecord();
        bytes.assign(header.begin(), header.end());
    }
    return bytes;
}

// The lowest free set record, or the record after the last. Records are
// scanned in order; reaching a partial record first is a read beyond the end.
std::uint64_t FirstFreeSlot(const std::string& fileName, std::span<const std::uint8_t> bytes)
{
    std::uint64_t n = 1;
    for (; OffsetOf(n) < bytes.size(); ++n) {
        if (OffsetOf(n + 1) > bytes.size()) detail::ThrowReadBeyondEnd(fileName);
        if (bytes[OffsetOf(n) + kInUseOffset] == 0) break;
    }
    return n;
}

// True when every non-empty slot holds a type text that TypeFromText accepts.
// A length byte above 72 would reach past the slot: that slot is rejected.
bool AllSlotsDecode(const TSetRecord& record)
{
    bool valid = true;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (SlotLength(record, slot) == 0) continue;
        THandParam scratch;
        const bool whole = SlotLength(record, slot) <= kTypeTextLength;
        if (!whole || !TypeFromText(scratch, SlotText(record, slot))) valid = false;
    }
    return valid;
}

void AppendInUseSets(std::vector<TSetEntry>& names, const std::string& fileName,
                     const TOpenFile& file, std::uint64_t size)
{
    TSetRecord record;
    for (std::uint64_t n = 1; OffsetOf(n) < size; ++n) {
        file.ReadAt(OffsetOf(n), record);
        if (InUse(record)) names.push_back({RecordName(record), CheckedRecordNumber(fileName, n)});
    }
}

} // namespace

void CreateParamsFile(const std::string& fileName)
{
    const TSetRecord header = HeaderRecord();
    detail::ReplaceFile(fileName, header);
}

void ListParameterSets(std::vector<TSetEntry>& names, const std::string& fileName,
                       IWarningSink& warnings)
{
    names.clear();
    if (!detail::FileExists(fileName)) {
        if (fileName != kDatabaseFileName) return warnings.ShowWarning(msg::FileDoesNotExist(fileName));
        CreateParamsFile(fileName);
    }
    try {
        const TOpenFile file = TOpenFile::ForReading(fileName);
        const std::uint64_t size = file.Size();
        if (size == 0) return;
        TSetRecord header;
        file.ReadAt(0, header);
        if (!IsHeader(header)) return warnings.ShowWarning(msg::NotSavedParameterFile(fileName));
        AppendInUseSets(names, fileName, file, size);
    } catch (const EInOutError&) {
        warnings.ShowWarning(msg::ErrorReadingFile(fileName));
    }
}

TWriteResult WriteParameterSet(const std::string& fileName, const TSetRecord& record,
                               IWarningSink& warnings)
{
    std::vector<std::uint8_t> bytes = ContentsToChange(fileName);
    if (bytes.size() < kRecordSize) detail::ThrowReadBeyondEnd(fileName);
    if (!IsHeader(bytes)) {
        warnings.ShowWarning(msg::NotValidParameterFile(fileName));
        return {};
    }
    const std::uint64_t slot = FirstFreeSlot(fileName, bytes);
    const std::int32_t recordNumber = CheckedRecordNumber(fileName, slot);
    if (OffsetOf(slot) == bytes.size()) bytes.resize(bytes.size() + kRecordSize);
    std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(slot)));
    detail::ReplaceFile(fileName, bytes);
    return {true, recordNumber};
}

TReadResult ReadParameterSet(const std::string& fileName, std::int32_t recordNumber,
                             IWarningSink& warnings)
{
    TReadResult result;
    {
        const TOpenFile file = TOpenFile::ForReading(fileName);
        if (recordNumber < 0) ThrowNoSuchRecord(fileName, recordNumber);
        file.ReadAt(OffsetOf(static_cast<std::uint64_t>(recordNumber)), result.Record);
    }
    result.Valid = AllSlotsDecode(result.Record);
    if (!result.Valid) warnings.ShowWarning(msg::kErrorReadingParameters);
    return result;
}

void DeleteParameterSet(const std::string& fileName, std::int32_t recordNumber)
{
    std::vector<std::uint8_t> bytes = TOpenFile::ForWriting(fileName).ReadAll();
    const std::uint64_t wholeRecords = bytes.size() / kRecordSize;
    if (recordNumber < 1 || static_cast<std::uint64_t>(recordNumber) >= wholeRecords)
        ThrowNoSuchRecord(fileName, recordNumber);
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(OffsetOf(static_cast<std::uint64_t>(recordNumber)));
    std::fill(at, at + kRecordSize, std::uint8_t{0});
    detail::ReplaceFile(fileName, bytes);
}

bool HoldsParamsHeader(const std::string& fileName)
{
    const TOpenFile file = TOpenFile::ForReading(fileName);
    if (file.Size() < kRecordSize) return false;
    TSetRecord header;
    file.ReadAt(0, header);
    return IsHeader(header);
}

} // namespace kv
