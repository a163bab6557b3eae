#include "ui/mainwindow/MainOptions.h"

#include "storage/settings/SettingsStore.h"

namespace kv {

TMainOptions ReadMainOptions(const TSettingsStore& store) {
    TMainOptions options;
    options.WarnOnNewTypes = store.ReadBool(setting::WarnOnNewTypes);
    options.TenSymbolSetting = store.ReadString(setting::TenSymbol).left(2);
    options.View = ReadHandsViewOptions(store);
    options.ColorPrinting = store.ReadBool(setting::ColorPrinting);
    return options;
}

void WriteMainOptions(TSettingsStore& store, const TMainOptions& options) {
    store.WriteBool(setting::WarnOnNewTypes, options.WarnOnNewTypes);
    store.WriteString(setting::TenSymbol, options.TenSymbolSetting);
    WriteHandsViewOptions(store, options.View);
    store.WriteBool(setting::ColorPrinting, options.ColorPrinting);
    store.Sync();
}

} // namespace kv
