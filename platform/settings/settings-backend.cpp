#include "platform/settings/settings-backend.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform::settings {

namespace {

// The spelling under which `wanted` is already stored among `names`, or `wanted` itself.
QString StoredSpelling(const QStringList &names, const QString &wanted) {
    for (const QString &name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    return wanted;
}

// "Section/Key" as stored in the file, matched without regard to letter case.
QString StoredPath(QSettings &store, const QString &section, const QString &key) {
    const QString storedSection = StoredSpelling(store.childGroups(), section);
    store.beginGroup(storedSection);
    const QString storedKey = StoredSpelling(store.childKeys(), key);
    store.endGroup();
    return storedSection + QLatin1Char('/') + storedKey;
}

} // namespace

QString SettingsFilePath(const QString &application) {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/Tunelark/") + application + QStringLiteral(".ini");
}

QString Read(const QString &application, const QString &section, const QString &key) {
    const QString path = SettingsFilePath(application);
    if (!QFileInfo::exists(path))
        return QString();
    QSettings store(path, QSettings::IniFormat);
    return store.value(StoredPath(store, section, key)).toString();
}

bool Write(const QString &application, const QString &section, const QString &key, const QString &value) {
    const QString path = SettingsFilePath(application);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings store(path, QSettings::IniFormat);
    if (!store.isWritable())
        return false;
    store.setValue(StoredPath(store, section, key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace platform::settings
