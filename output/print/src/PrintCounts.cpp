#include "output/print/PrintCounts.h"

namespace kv {

bool TPrintCounts::NothingToPrint() const {
    const int copies[] = {South, North, NorthAndSouth, West, East, All};
    bool anyCopy = false;
    for (const int n : copies)
        anyCopy = anyCopy || n > 0;
    return Deals <= 0 || !anyCopy;
}

TPrintCounts ReadPrintCounts(const TSettingsStore& store) {
    TPrintCounts counts;
    counts.Deals = store.ReadInt(setting::Deals);
    counts.South = store.ReadInt(setting::South);
    counts.North = store.ReadInt(setting::North);
    counts.NorthAndSouth = store.ReadInt(setting::NorthAndSouth);
    counts.West = store.ReadInt(setting::East);
    counts.East = store.ReadInt(setting::West);
    counts.All = store.ReadInt(setting::All);
    counts.DealerAndVul = store.ReadBool(setting::DealerAndVul);
    counts.DoubleDummy = store.ReadBool(setting::PrintDoubleDummy);
    return counts;
}

void WritePrintCounts(TSettingsStore& store, const TPrintCounts& counts) {
    store.WriteInt(setting::Deals, counts.Deals);
    store.WriteInt(setting::South, counts.South);
    store.WriteInt(setting::North, counts.North);
    store.WriteInt(setting::NorthAndSouth, counts.NorthAndSouth);
    store.WriteInt(setting::East, counts.West);
    store.WriteInt(setting::West, counts.East);
    store.WriteInt(setting::All, counts.All);
    store.WriteBool(setting::DealerAndVul, counts.DealerAndVul);
    store.WriteBool(setting::PrintDoubleDummy, counts.DoubleDummy);
    store.Sync();
}

std::array<TLayoutCopies, 6> CopiesInPrintOrder(const TPrintCounts& c) {
    return {{{4, "South Hands", c.South},
             {2, "North Hands", c.North},
             {5, "West Hands", c.West},
             {3, "East Hands", c.East},
             {6, "North and South Hands", c.NorthAndSouth},
             {1, "Hands", c.All}}};
}

} // namespace kv
