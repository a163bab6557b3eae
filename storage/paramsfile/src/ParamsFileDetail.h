#pragma once
// What the parameter-file operations share (ParamsFile.cpp reads, and
// ParamsFileChanges.cpp changes): record offsets, their failures, and the one
// change that listing makes.

#include "storage/paramsfile/ParamsFile.h"

#include <cstdint>
#include <string>

namespace kv::detail {

inline std::uint64_t OffsetOf(std::uint64_t recordNumber) {
    return recordNumber * kRecordSize;
}

[[noreturn]] void ThrowNoSuchRecord(const std::string& fileName, std::int64_t recordNumber);
// n as a record number; EInOutError "File too large" past the signed 32-bit range.
std::int32_t CheckedRecordNumber(const std::string& fileName, std::uint64_t n);

// True when record holds the listed set: in use, under the listed name.
bool HoldsEntry(const TSetRecord& record, const TSetEntry& entry);

// Creates the file holding only the header, under the folder's lock, unless it
// exists by then (another program may have made it and saved into it meanwhile).
void CreateIfMissing(const std::string& fileName);

} // namespace kv::detail
