#pragma once
// The two options of the hands window: which hands it shows and in which order
// it lays out the suits. The main window keeps them, reads them from the
// settings store at start-up and writes them back at exit.

#include <QString>

namespace kv {

class TSettingsStore;

// HandToViewSetting: 0 North, 1 South, 2 Both.
enum class THandToView { North = 0, South = 1, Both = 2 };

struct THandsViewOptions {
    THandToView HandToView = THandToView::Both;
    bool SortSuitsByRank = false; // SortSuitsByRankSetting: suit rank, or alternate colours

    friend bool operator==(const THandsViewOptions&, const THandsViewOptions&) = default;
};

// Exactly "South" gives South, exactly "North" gives North, any other text
// (a different case included) gives Both.
THandToView HandToViewFromText(const QString& text);
// "North", "South" or "Both".
QString HandToViewText(THandToView view);

// The values HandToView and SortSuitsByRank of the settings store, with their
// defaults (Both, false) when absent.
THandsViewOptions ReadHandsViewOptions(const TSettingsStore& store);
void WriteHandsViewOptions(TSettingsStore& store, const THandsViewOptions& options);

} // namespace kv
