#pragma once
// Small station files for the editor's tests.

#include "common/station-file.h"

#include <QFile>
#include <QStringList>
#include <QtTest>
#include <sys/stat.h>

inline common::StationList Stations(const QStringList &names) {
    common::StationList stations;
    for (const QString &name : names)
        stations.append({name, QStringLiteral("http://127.0.0.1:9/") + name.toLower()});
    return stations;
}

inline QByteArray FileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's identity on disk: a save replaces the file, so an unchanged identity means no write.
inline ino_t FileIdentity(const QString &path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}
