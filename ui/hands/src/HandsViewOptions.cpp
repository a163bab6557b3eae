#include "ui/hands/HandsViewOptions.h"

#include "HandsTable.h"
#include "storage/settings/SettingsStore.h"

#include <algorithm>
#include <cmath>

namespace kv {

THandToView HandToViewFromText(const QString& text) {
    if (text == QLatin1String("South")) return THandToView::South;
    if (text == QLatin1String("North")) return THandToView::North;
    if (text == QLatin1String("All")) return THandToView::All;
    return THandToView::Both;
}

QString HandToViewText(THandToView view) {
    switch (view) {
    case THandToView::North:
        return QStringLiteral("North");
    case THandToView::South:
        return QStringLiteral("South");
    case THandToView::All:
        return QStringLiteral("All");
    case THandToView::Both:
        break;
    }
    return QStringLiteral("Both");
}

int MinCardSize() {
    return static_cast<int>(std::lround(THandsTable::kMinZoom * 100));
}

int MaxCardSize() {
    return static_cast<int>(std::lround(THandsTable::kMaxZoom * 100));
}

THandsViewOptions ReadHandsViewOptions(const TSettingsStore& store) {
    THandsViewOptions options;
    options.HandToView = HandToViewFromText(store.ReadString(setting::HandToView));
    options.SortSuitsByRank = store.ReadBool(setting::SortSuitsByRank);
    options.DoubleDummy = store.ReadBool(setting::ViewDoubleDummy);
    options.CardSize = std::clamp(store.ReadInt(setting::CardSize), MinCardSize(), MaxCardSize());
    return options;
}

void WriteHandsViewOptions(TSettingsStore& store, const THandsViewOptions& options) {
    store.WriteString(setting::HandToView, HandToViewText(options.HandToView));
    store.WriteBool(setting::SortSuitsByRank, options.SortSuitsByRank);
    store.WriteBool(setting::ViewDoubleDummy, options.DoubleDummy);
    store.WriteInt(setting::CardSize, options.CardSize);
}

} // namespace kv
