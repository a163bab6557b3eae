#pragma once
// The per-user settings store: every option and dialog size that survives
// between runs. One table (SettingsTable.h) names each value with its key,
// kind and default; readers fall back to the default whenever a value is
// absent, so an empty or partial store is never an error.

#include "storage/settings/SettingsTable.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace kv {

class TSettingsStore {
  public:
    // The user's own store: organisation "Morvatten", application
    // "Kestrovanhalme", all values under the group "2.1".
    static std::unique_ptr<TSettingsStore> OpenUserStore();
    // A store in one INI file, for tests and tools.
    static std::unique_ptr<TSettingsStore> OpenFile(const QString& path);

    explicit TSettingsStore(std::unique_ptr<QSettings> settings);

    bool Exists(const TSettingDef& def) const;
    int ReadInt(const TSettingDef& def) const;
    bool ReadBool(const TSettingDef& def) const;
    QString ReadString(const TSettingDef& def) const;

    void WriteInt(const TSettingDef& def, int value);
    // Booleans are stored as the integers 0 and 1; any non-zero value reads as true.
    void WriteBool(const TSettingDef& def, bool value);
    void WriteString(const TSettingDef& def, const QString& value);
    void Sync();

  private:
    QString PathOf(const TSettingDef& def) const;
    std::unique_ptr<QSettings> settings_;
};

} // namespace kv
