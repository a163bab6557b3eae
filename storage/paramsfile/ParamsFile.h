#pragma once
// The saved-parameters file: the user's database "PARAMS.SAV" in the current
// directory, and exchange files of the same format (SetRecord.h). Each operation
// opens the file, works and closes it; nothing stays open between calls.
//
// Failures the user can cause are reported as warnings through IWarningSink and
// the operation returns normally. Input/output failures throw EInOutError and
// undecodable type texts throw EConvertError (ParamsErrors.h).
// Every change is written to a temporary file in the same folder and renamed
// over the old file, so a failed write leaves the file exactly as it was.
// Every change (create, write, delete) holds the folder's lock (FileLock.h)
// from reading the file to renaming the new one into place, so changes made
// by two programs at once never undo each other. Readers take no lock: they
// always see a whole file, the old one or the new one.

#include "storage/paramsfile/ParamsErrors.h"
#include "storage/paramsfile/SetRecord.h"
#include "storage/paramsfile/TypeText.h"
#include "storage/paramsfile/WarningSink.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// The database, opened by this bare name in the process's current directory.
inline constexpr const char* kDatabaseFileName = "PARAMS.SAV";

// One listed set: its name (UTF-8) and its record number in its file.
struct TSetEntry {
    std::string Name;
    std::int32_t RecordNumber = 0;
    friend bool operator==(const TSetEntry&, const TSetEntry&) = default;
};

struct TWriteResult {
    bool Written = false;
    // Defined only when Written.
    std::int32_t RecordNumber = 0;
};

struct TReadResult {
    bool Valid = false;
    TSetRecord Record{};
};

// The most records, the header included, that a save lets a file reach; no
// collection of sets comes near it. A file that holds more (made elsewhere)
// can still be read, have sets deleted, and take new sets into free records.
inline constexpr std::uint64_t kMaxRecords = 100000;

// Creates the file, or replaces an existing one, so that it holds only the
// header record. Throws EInOutError (an existing file that cannot be opened for
// writing is refused, not replaced; another program's change did not end).
void CreateParamsFile(const std::string& fileName);

// Clears names and fills it, in file order, with every in-use set of the file.
// A missing "PARAMS.SAV" (exact name) is created first (unless another
// program created it meanwhile, whose file is kept); other failures are
// warned about: the file does not exist, is not a saved parameter file, or
// cannot be read (then the sets listed before the failure stay in names).
// The file is opened for reading only. Throws EInOutError only when creating
// the missing database fails.
void ListParameterSets(std::vector<TSetEntry>& names, const std::string& fileName,
                       IWarningSink& warnings);

// Stores record in the lowest free slot, or after the last record; a missing or
// empty file is given its header first. Warned about and left untouched
// (Written false): a file without the header (only its first record is
// read), and a full file, whose every set record is in use and which would
// grow past kMaxRecords. Throws EInOutError when the file cannot be opened for
// writing, is shorter than a record, ends in a partial record ("Read beyond
// end of file"), or cannot be replaced; the file is then unchanged.
TWriteResult WriteParameterSet(const std::string& fileName, const TSetRecord& record,
                               IWarningSink& warnings);

// The 841 bytes of record recordNumber (the header is not tested), opened for
// reading only. Valid is false, after one warning "Error reading parameters.",
// when a non-empty type slot is rejected by TypeFromText. Throws EInOutError
// when the record does not exist whole, EConvertError when a slot's type text
// holds a non-digit where a number belongs.
TReadResult ReadParameterSet(const std::string& fileName, std::int32_t recordNumber,
                             IWarningSink& warnings);

// Turns set record recordNumber into a free slot (841 zero bytes); the file
// keeps its length, whatever its length. Throws EInOutError when the file
// cannot be written, lacks the header ("Not a saved parameter file"), fails
// the checks of WriteParameterSet (shorter than a record, a partial record at
// the end), or when recordNumber is not a set record (the header, a negative
// number, a record past the end): nothing is changed then.
void DeleteParameterSet(const std::string& fileName, std::int32_t recordNumber);

// The sets of a list are known by record number, but another program may have
// changed the file since it was listed. These act on a listed set only while
// its record still holds it: in use, under the listed name, in a file with the
// header. Otherwise they do nothing and say so, and the caller lists again.

struct TListedRead {
    // The record still holds the listed set.
    bool Listed = false;
    // Defined only when Listed: as ReadParameterSet gives it.
    TReadResult Read;
};

// ReadParameterSet of entry.RecordNumber once the record is found to hold the
// listed set; nothing is warned about a set that is not there any more.
TListedRead ReadListedSet(const std::string& fileName, const TSetEntry& entry,
                          IWarningSink& warnings);

// DeleteParameterSet of the listed set, checked under the lock of the change;
// false, with nothing written, when the record no longer holds it (or the
// file is gone). Throws EInOutError as DeleteParameterSet does otherwise.
bool DeleteListedSet(const std::string& fileName, const TSetEntry& entry);

// True when the file holds at least one whole record and record 0 is the
// header: the check made before copying from or into an exchange file.
// Opens for reading only; throws EInOutError when the file cannot be read.
bool HoldsParamsHeader(const std::string& fileName);

} // namespace kv
