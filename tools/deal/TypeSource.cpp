#include "TypeSource.h"

#include "ParamsFile.h"
#include "ParamsMessages.h"

#include <filesystem>
#include <iostream>

namespace kv::cli {
namespace {

class TStderrWarnings : public IWarningSink {
public:
    void ShowWarning(const std::string& text) override
    {
        std::cerr << text << '\n';
        ++Count;
    }
    int Count = 0;
};

bool TypesFromTexts(const std::vector<std::string>& texts, TTypeList& types)
{
    for (const std::string& text : texts) {
        THandParam type;
        if (!TypeFromText(type, text)) {
            std::cerr << "kestrovanhalme-deal: --type: '" << text << "' is not a valid type text\n";
            return false;
        }
        types.push_back(type);
    }
    return true;
}

// The types of a stored set as the program reads them: frequency 0 dropped.
bool TypesFromRecord(const std::string& file, std::int32_t record, TTypeList& types)
{
    TStderrWarnings warnings;
    const TReadResult read = ReadParameterSet(file, record, warnings);
    if (!read.Valid) return false;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::string text = SlotText(read.Record, slot);
        THandParam type;
        if (!text.empty() && TypeFromText(type, text) && type.Frequency != 0) types.push_back(type);
    }
    if (types.empty()) std::cerr << "Every type of this set has the frequency 0: there is nothing to deal.\n";
    return !types.empty();
}

// Lists a file's sets; unlike the desktop program at start-up, the tool never
// creates a missing database as a side effect.
bool ListExisting(const std::string& file, std::vector<TSetEntry>& sets, TStderrWarnings& warnings)
{
    if (!std::filesystem::exists(file)) {
        warnings.ShowWarning(msg::FileDoesNotExist(file));
        return false;
    }
    ListParameterSets(sets, file, warnings);
    return warnings.Count == 0;
}

std::optional<std::int32_t> FindRecord(const TDealOptions& options)
{
    TStderrWarnings warnings;
    std::vector<TSetEntry> sets;
    if (!ListExisting(options.File, sets, warnings)) return std::nullopt;
    if (options.Record) {
        for (const TSetEntry& e : sets)
            if (e.RecordNumber == *options.Record) return e.RecordNumber;
        std::cerr << "Record " << *options.Record << " of '" << options.File << "' holds no set.\n";
        return std::nullopt;
    }
    std::vector<std::int32_t> found;
    for (const TSetEntry& e : sets)
        if (AsciiUpper(e.Name) == AsciiUpper(*options.SetName)) found.push_back(e.RecordNumber);
    if (found.size() == 1) return found[0];
    if (found.empty()) std::cerr << "No set named '" << *options.SetName << "' in '" << options.File << "'.\n";
    else {
        std::cerr << "Several sets are named '" << *options.SetName << "'; choose one with --record:";
        for (std::int32_t r : found) std::cerr << ' ' << r;
        std::cerr << '\n';
    }
    return std::nullopt;
}

int TypeCount(const TSetRecord& record)
{
    int n = 0;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) n += !SlotText(record, slot).empty();
    return n;
}

} // namespace

bool LoadTypes(const TDealOptions& options, TTypeList& types)
{
    types.clear();
    if (!options.TypeTexts.empty()) return TypesFromTexts(options.TypeTexts, types);
    if (!options.SetName && !options.Record) {
        types.emplace_back();
        return true;
    }
    const auto record = FindRecord(options);
    return record && TypesFromRecord(options.File, *record, types);
}

TListing ListSetsText(const std::string& fileName)
{
    TStderrWarnings warnings;
    std::vector<TSetEntry> sets;
    TListing listing;
    if (!ListExisting(fileName, sets, warnings)) return listing;
    for (const TSetEntry& e : sets) {
        const TReadResult read = ReadParameterSet(fileName, e.RecordNumber, warnings);
        listing.Text += std::to_string(e.RecordNumber) + "\t" + std::to_string(TypeCount(read.Record)) + "\t" + e.Name + "\n";
    }
    listing.Ok = warnings.Count == 0;
    return listing;
}

} // namespace kv::cli
