#include "TypeSource.h"

#include "TerminalText.h"
#include "storage/paramsfile/ParamsFile.h"
#include "storage/paramsfile/ParamsMessages.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace kv::cli {
namespace {

class TRecordedWarnings : public IWarningSink {
  public:
    void ShowWarning(const std::string& text) override { Shown.push_back(text); }
    std::vector<std::string> Shown;
};

void PrintError(const std::string& text) {
    std::cerr << Printable(text) << '\n';
}

bool TypesFromTexts(const std::vector<std::string>& texts, TTypeList& types) {
    for (const std::string& text : texts) {
        THandParam type;
        if (!TypeFromText(type, text)) return false;
        types.push_back(type);
    }
    return true;
}

// The types of a stored set as the program reads them.
bool TypesFromRecord(const TSetRecord& record, TTypeList& types) {
    types = TypesOfSet(record);
    if (types.empty())
        PrintError("Every type of this set has the frequency 0: there is nothing to deal.");
    return !types.empty();
}

// The tool never creates a missing database as a side effect of listing it,
// as the desktop program does at start-up. A file that cannot be examined
// (a loop of links, say) is listed, and the listing says why it fails.
bool Missing(const std::string& file) {
    std::error_code ec;
    return std::filesystem::status(file, ec).type() == std::filesystem::file_type::not_found;
}

// The sets that can be listed; the warnings of the listing are kept.
std::vector<TSetEntry> ListedSets(const std::string& file, TRecordedWarnings& warnings) {
    std::vector<TSetEntry> sets;
    if (Missing(file))
        warnings.ShowWarning(msg::FileDoesNotExist(file));
    else
        ListParameterSets(sets, file, warnings);
    return sets;
}

std::vector<TSetEntry> Matching(const std::vector<TSetEntry>& sets, const TDealOptions& options) {
    std::vector<TSetEntry> found;
    for (const TSetEntry& e : sets) {
        const bool match = options.Record ? e.RecordNumber == *options.Record
                                          : AsciiUpper(e.Name) == AsciiUpper(*options.SetName);
        if (match) found.push_back(e);
    }
    return found;
}

void PrintNotFound(const TDealOptions& options) {
    const std::string file = "'" + options.File + "'";
    if (options.Record)
        return PrintError("Record " + std::to_string(*options.Record) + " of " + file +
                          " holds no set.");
    PrintError("No set named '" + *options.SetName + "' in " + file + ".");
}

void PrintSeveral(const TDealOptions& options, const std::vector<TSetEntry>& found) {
    std::string text =
        "Several sets are named '" + *options.SetName + "'; choose one with --record:";
    for (const TSetEntry& e : found)
        text += ' ' + std::to_string(e.RecordNumber);
    PrintError(text);
}

// The listing's warnings; a file that ends in part of a record is reported by
// that record's number instead of as a file that cannot be read.
void PrintListingWarnings(const std::string& file, const std::vector<std::string>& shown) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    for (const std::string& text : shown) {
        if (!ec && text == msg::ErrorReadingFile(file) && size > kRecordSize &&
            size % kRecordSize != 0)
            PrintError("Record " + std::to_string(size / kRecordSize) + " of '" + file +
                       "' is damaged: the file ends part of the way into it.");
        else
            PrintError(text);
    }
}

// The chosen set. The listing's warnings (a damaged record elsewhere) matter
// only when the set is not found; a file that lists nothing is reason enough.
std::optional<TSetEntry> FindSet(const TDealOptions& options) {
    TRecordedWarnings warnings;
    const std::vector<TSetEntry> sets = ListedSets(options.File, warnings);
    const std::vector<TSetEntry> found = Matching(sets, options);
    if (found.size() == 1) return found[0];
    if (found.size() > 1) PrintSeveral(options, found);
    PrintListingWarnings(options.File, warnings.Shown);
    if (found.empty() && (warnings.Shown.empty() || !sets.empty())) PrintNotFound(options);
    return std::nullopt;
}

int TypeCount(const TSetRecord& record) {
    int n = 0;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        n += !SlotText(record, slot).empty();
    return n;
}

// A set whose type texts cannot all be read, whether rejected or not numbers
// at all, is damaged: it is reported, not listed.
std::optional<TSetRecord> ReadableSet(const std::string& file, const TSetEntry& entry) {
    TRecordedWarnings quiet;
    try {
        const TReadResult read = ReadParameterSet(file, entry.RecordNumber, quiet);
        if (read.Valid) return read.Record;
    } catch (const EConvertError&) {
    }
    PrintError("Record " + std::to_string(entry.RecordNumber) + " of '" + file +
               "' is damaged: its hand types cannot be read.");
    return std::nullopt;
}

} // namespace

bool LoadTypes(const TDealOptions& options, TTypeList& types) {
    types.clear();
    if (!options.TypeTexts.empty()) return TypesFromTexts(options.TypeTexts, types);
    if (!options.SetName && !options.Record) {
        types.emplace_back();
        return true;
    }
    const std::optional<TSetEntry> set = FindSet(options);
    const std::optional<TSetRecord> record = set ? ReadableSet(options.File, *set) : std::nullopt;
    return record && TypesFromRecord(*record, types);
}

TListing ListSetsText(const std::string& fileName) {
    TRecordedWarnings warnings;
    const std::vector<TSetEntry> sets = ListedSets(fileName, warnings);
    PrintListingWarnings(fileName, warnings.Shown);
    TListing listing;
    listing.Listed = warnings.Shown.empty() || !sets.empty();
    listing.Whole = warnings.Shown.empty();
    for (const TSetEntry& e : sets) {
        const std::optional<TSetRecord> record = ReadableSet(fileName, e);
        if (!record)
            listing.Whole = false;
        else
            listing.Text += std::to_string(e.RecordNumber) + "\t" +
                            std::to_string(TypeCount(*record)) + "\t" + Printable(e.Name) + "\n";
    }
    return listing;
}

} // namespace kv::cli
