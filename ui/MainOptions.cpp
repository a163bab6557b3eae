#include "MainOptions.h"

#include "SettingsStore.h"

namespace kv {

QString HandToViewText(THandToView view) {
    switch (view) {
    case THandToView::North:
        return QStringLiteral("North");
    case THandToView::South:
        return QStringLiteral("South");
    case THandToView::Both:
        break;
    }
    return QStringLiteral("Both");
}

THandToView HandToViewFromText(const QString& text) {
    if (text == QLatin1String("South")) return THandToView::South;
    if (text == QLatin1String("North")) return THandToView::North;
    return THandToView::Both;
}

TMainOptions ReadMainOptions(const TSettingsStore& store) {
    TMainOptions options;
    options.WarnOnNewTypes = store.ReadBool(setting::WarnOnNewTypes);
    options.TenSymbolSetting = store.ReadString(setting::TenSymbol).left(2);
    options.HandToViewSetting = HandToViewFromText(store.ReadString(setting::HandToView));
    options.SortSuitsByRankSetting = store.ReadBool(setting::SortSuitsByRank);
    options.ColorPrinting = store.ReadBool(setting::ColorPrinting);
    return options;
}

void WriteMainOptions(TSettingsStore& store, const TMainOptions& options) {
    store.WriteBool(setting::WarnOnNewTypes, options.WarnOnNewTypes);
    store.WriteString(setting::TenSymbol, options.TenSymbolSetting);
    store.WriteString(setting::HandToView, HandToViewText(options.HandToViewSetting));
    store.WriteBool(setting::SortSuitsByRank, options.SortSuitsByRankSetting);
    store.WriteBool(setting::ColorPrinting, options.ColorPrinting);
    store.Sync();
}

} // namespace kv
