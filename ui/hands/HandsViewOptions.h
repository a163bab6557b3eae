#pragma once
// The options of the hands window: which hands it shows, in which order it
// lays out the suits, and whether it shows the double-dummy table. The main
// window keeps them, reads them from the settings store at start-up and writes
// them back at exit.

#include <QString>

namespace kv {

class TSettingsStore;

// HandToViewSetting: 0 North, 1 South, 2 Both, 3 all four hands.
enum class THandToView { North = 0, South = 1, Both = 2, All = 3 };

struct THandsViewOptions {
    THandToView HandToView = THandToView::Both;
    bool SortSuitsByRank = false; // SortSuitsByRankSetting: suit rank, or alternate colours
    bool DoubleDummy = false;     // the double-dummy table under the hands

    friend bool operator==(const THandsViewOptions&, const THandsViewOptions&) = default;
};

// Exactly "South" gives South, exactly "North" gives North, exactly "All"
// gives all four hands, any other text (a different case included) gives Both.
THandToView HandToViewFromText(const QString& text);
// "North", "South", "Both" or "All".
QString HandToViewText(THandToView view);

// The values HandToView, SortSuitsByRank and DoubleDummy of the settings
// store's ViewOptions, with their defaults (Both, false, false) when absent.
THandsViewOptions ReadHandsViewOptions(const TSettingsStore& store);
void WriteHandsViewOptions(TSettingsStore& store, const THandsViewOptions& options);

} // namespace kv
