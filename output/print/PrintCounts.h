#pragma once
// The print dialog's counts: how many deals to generate and how many copies
// to print in each layout, with their place in the settings store, and the
// fixed order in which the layouts are printed.

#include "ProgramVersion.h"
#include "storage/settings/SettingsStore.h"

#include <array>
#include <string>

namespace kv {

struct TPrintCounts {
    int Deals = 10;
    int South = 1;
    int North = 1;
    int NorthAndSouth = 1;
    int West = 0;
    int East = 0;
    int All = 0;
    bool DealerAndVul = true;
    bool DoubleDummy = false; // makeable contracts and par under each board of "All"

    // No deals, or no copy in any layout.
    bool NothingToPrint() const;
    friend bool operator==(const TPrintCounts&, const TPrintCounts&) = default;
};

// Each value when stored, its default otherwise. The West-only count lives
// under the value name "East" and the East-only count under "West";
// DoubleDummy under "DoubleDummy".
TPrintCounts ReadPrintCounts(const TSettingsStore& store);
void WritePrintCounts(TSettingsStore& store, const TPrintCounts& counts);

struct TLayoutCopies {
    int Layout;        // the print library's layout code
    const char* Title; // the title printed with it
    int Copies;
};

// South only, North only, West only, East only, North and South, all four.
std::array<TLayoutCopies, 6> CopiesInPrintOrder(const TPrintCounts& counts);

// The line that names the program on every printed page.
inline const std::string kPrintBanner = std::string("Hands dealt by ") + kProgramNameAndVersion;

} // namespace kv
