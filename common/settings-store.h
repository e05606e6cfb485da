#pragma once
// The settings store shared by both programs: text values addressed by application, section and key.
// Sections and keys match without regard to letter case. The backend is chosen by the platform layer.

#include <QString>

namespace common {

// The application name under which both programs keep their settings.
inline const QString kApplication = QStringLiteral("Tunelark");

// The value, or empty text when the value, its section or its application does not exist.
QString GetSetting(const QString &application, const QString &section, const QString &key);

// Creates the application and section as needed and overwrites the value; throws RuntimeError when
// the value cannot be stored.
void SaveSetting(const QString &application, const QString &section, const QString &key,
                 const QString &value);

} // namespace common
