#pragma once
// The options of the hands window: which hands it shows, in which order it
// lays out the suits, whether it shows the double-dummy table, and how large
// it draws the cards. The main window keeps them and reads them from the
// settings store at start-up; they are written back whenever the hands window
// changes them, and at exit.

#include <QString>

namespace kv {

class TSettingsStore;

// HandToViewSetting: 0 North, 1 South, 2 Both, 3 all four hands.
enum class THandToView { North = 0, South = 1, Both = 2, All = 3 };

struct THandsViewOptions {
    THandToView HandToView = THandToView::Both;
    bool SortSuitsByRank = false; // SortSuitsByRankSetting: suit rank, or alternate colours
    bool DoubleDummy = false;     // the double-dummy table under the hands
    // The zoom the user sized the window to, in percent of the cards' own size.
    int CardSize = 100;

    friend bool operator==(const THandsViewOptions&, const THandsViewOptions&) = default;
};

// Exactly "South" gives South, exactly "North" gives North, exactly "All"
// gives all four hands, any other text (a different case included) gives Both.
THandToView HandToViewFromText(const QString& text);
// "North", "South", "Both" or "All".
QString HandToViewText(THandToView view);

// The smallest and largest card sizes the window draws, in percent: below
// the smallest the tens' indices can no longer be read.
int MinCardSize();
int MaxCardSize();

// The values HandToView, SortSuitsByRank, DoubleDummy and CardSize of the
// settings store's ViewOptions, with their defaults (Both, false, false, 100)
// when absent; a card size out of range is taken as the nearest in range.
THandsViewOptions ReadHandsViewOptions(const TSettingsStore& store);
void WriteHandsViewOptions(TSettingsStore& store, const THandsViewOptions& options);

} // namespace kv
