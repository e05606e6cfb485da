#pragma once
// Settings backend on Linux: one INI file per application, $XDG_CONFIG_HOME/Tunelark/<application>.ini
// (~/.config when XDG_CONFIG_HOME is unset). Sections and keys match without regard to letter case;
// a write keeps the spelling already stored. Each call opens the file afresh, so a value written by
// the other program is seen at once.

#include <QString>

namespace platform::settings {

// The INI file that holds the application's settings.
QString SettingsFilePath(const QString &application);

// The stored value; empty text when the file, the section or the key does not exist.
QString Read(const QString &application, const QString &section, const QString &key);

// Stores the value; false when the file could not be written.
bool Write(const QString &application, const QString &section, const QString &key, const QString &value);

} // namespace platform::settings
