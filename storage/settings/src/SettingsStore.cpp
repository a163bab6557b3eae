#include "storage/settings/SettingsStore.h"

namespace kv {
namespace {

constexpr const char* kGroup = "2.1";

const char* KeyName(TSettingKey key) {
    switch (key) {
    case TSettingKey::ViewOptions:
        return "ViewOptions";
    case TSettingKey::PrintOptions:
        return "PrintOptions";
    case TSettingKey::Dimensions:
        return "Dimensions";
    case TSettingKey::AnalysisOptions:
        return "AnalysisOptions";
    case TSettingKey::Root:
        break;
    }
    return "";
}

} // namespace

std::unique_ptr<TSettingsStore> TSettingsStore::OpenUserStore() {
    return std::make_unique<TSettingsStore>(
        std::make_unique<QSettings>(QStringLiteral("Morvatten"), QStringLiteral("Kestrovanhalme")));
}

std::unique_ptr<TSettingsStore> TSettingsStore::OpenFile(const QString& path) {
    return std::make_unique<TSettingsStore>(
        std::make_unique<QSettings>(path, QSettings::IniFormat));
}

TSettingsStore::TSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

QString TSettingsStore::PathOf(const TSettingDef& def) const {
    const QString key = QString::fromLatin1(KeyName(def.Key));
    const QString name = QString::fromLatin1(def.Name);
    return QString::fromLatin1(kGroup) + u'/' + (key.isEmpty() ? name : key + u'/' + name);
}

bool TSettingsStore::Exists(const TSettingDef& def) const {
    return settings_->contains(PathOf(def));
}

int TSettingsStore::ReadInt(const TSettingDef& def) const {
    if (!Exists(def)) return def.IntDefault;
    bool ok = false;
    const int value = settings_->value(PathOf(def)).toInt(&ok);
    return ok ? value : def.IntDefault;
}

bool TSettingsStore::ReadBool(const TSettingDef& def) const {
    return ReadInt(def) != 0;
}

QString TSettingsStore::ReadString(const TSettingDef& def) const {
    if (!Exists(def)) return QString::fromLatin1(def.StringDefault);
    return settings_->value(PathOf(def)).toString();
}

void TSettingsStore::WriteInt(const TSettingDef& def, int value) {
    settings_->setValue(PathOf(def), value);
}

void TSettingsStore::WriteBool(const TSettingDef& def, bool value) {
    WriteInt(def, value ? 1 : 0);
}

void TSettingsStore::WriteString(const TSettingDef& def, const QString& value) {
    settings_->setValue(PathOf(def), value);
}

void TSettingsStore::Sync() {
    settings_->sync();
}

} // namespace kv
