#pragma once
// The options the main window keeps for the whole run, read from the settings
// store when it is created and written back when it is destroyed.

#include "ui/hands/HandsViewOptions.h"

#include <QString>

namespace kv {

class TSettingsStore;

struct TMainOptions {
    bool WarnOnNewTypes = true;
    // How printed deals write the ten: "T" or "10"; a stored text of up to two
    // other characters is kept as it is until the user picks an item.
    QString TenSymbolSetting = QStringLiteral("T");
    bool ColorPrinting = true;
    // HandToViewSetting and SortSuitsByRankSetting of the hands window.
    THandsViewOptions View;
};

// Reads the five values key by key (root, ViewOptions, PrintOptions), each
// only when it exists; a TenSymbol longer than two characters is cut to two,
// and any HandToView other than exactly "North", "South" or "All" means Both.
TMainOptions ReadMainOptions(const TSettingsStore& store);

// Writes all five values, in the same order.
void WriteMainOptions(TSettingsStore& store, const TMainOptions& options);

} // namespace kv
