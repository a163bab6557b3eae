#include "storage/paramsfile/ParamsFile.h"

#include "ParamsFileDetail.h"
#include "storage/paramsfile/ParamsMessages.h"
#include "storage/paramsfile/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

namespace kv {
namespace {

using detail::OffsetOf;
using detail::TOpenFile;

// True when every non-empty slot holds a type text that TypeFromText accepts.
// A length byte above 72 would reach past the slot: that slot is rejected.
bool AllSlotsDecode(const TSetRecord& record) {
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
                     const TOpenFile& file, std::uint64_t size) {
    TSetRecord record;
    for (std::uint64_t n = 1; OffsetOf(n) < size; ++n) {
        file.ReadAt(OffsetOf(n), record);
        if (InUse(record))
            names.push_back({RecordName(record), detail::CheckedRecordNumber(fileName, n)});
    }
}

TReadResult Decoded(const TSetRecord& record, IWarningSink& warnings) {
    TReadResult result{AllSlotsDecode(record), record};
    if (!result.Valid) warnings.ShowWarning(msg::kErrorReadingParameters);
    return result;
}

// Record entry.RecordNumber of a file with the header, if the file has it whole.
std::optional<TSetRecord> ListedRecord(const std::string& fileName, const TSetEntry& entry) {
    std::optional<TOpenFile> file;
    try {
        file.emplace(TOpenFile::ForReading(fileName));
    } catch (const EInOutError& e) {
        if (e.Code() == ENOENT) return std::nullopt;
        throw;
    }
    const std::uint64_t size = file->Size();
    const std::uint64_t at = OffsetOf(static_cast<std::uint64_t>(entry.RecordNumber));
    if (entry.RecordNumber < 1 || at + kRecordSize > size) return std::nullopt;
    TSetRecord record;
    file->ReadAt(0, record);
    if (!IsHeader(record)) return std::nullopt;
    file->ReadAt(at, record);
    return record;
}

} // namespace

void detail::ThrowNoSuchRecord(const std::string& fileName, std::int64_t recordNumber) {
    throw EInOutError(fileName, 0,
                      "There is no parameter set at record " + std::to_string(recordNumber));
}

std::int32_t detail::CheckedRecordNumber(const std::string& fileName, std::uint64_t n) {
    if (n > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        throw EInOutError(fileName, EFBIG, std::strerror(EFBIG));
    return static_cast<std::int32_t>(n);
}

bool detail::HoldsEntry(const TSetRecord& record, const TSetEntry& entry) {
    return InUse(record) && RecordName(record) == entry.Name;
}

void ListParameterSets(std::vector<TSetEntry>& names, const std::string& fileName,
                       IWarningSink& warnings) {
    names.clear();
    if (!detail::FileExists(fileName)) {
        if (fileName != kDatabaseFileName)
            return warnings.ShowWarning(msg::FileDoesNotExist(fileName));
        detail::CreateIfMissing(fileName);
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

TReadResult ReadParameterSet(const std::string& fileName, std::int32_t recordNumber,
                             IWarningSink& warnings) {
    TSetRecord record;
    {
        const TOpenFile file = TOpenFile::ForReading(fileName);
        if (recordNumber < 0) detail::ThrowNoSuchRecord(fileName, recordNumber);
        file.ReadAt(OffsetOf(static_cast<std::uint64_t>(recordNumber)), record);
    }
    return Decoded(record, warnings);
}

TListedRead ReadListedSet(const std::string& fileName, const TSetEntry& entry,
                          IWarningSink& warnings) {
    const std::optional<TSetRecord> record = ListedRecord(fileName, entry);
    if (!record || !detail::HoldsEntry(*record, entry)) return {};
    return {true, Decoded(*record, warnings)};
}

bool HoldsParamsHeader(const std::string& fileName) {
    const TOpenFile file = TOpenFile::ForReading(fileName);
    if (file.Size() < kRecordSize) return false;
    TSetRecord header;
    file.ReadAt(0, header);
    return IsHeader(header);
}

} // namespace kv
