#include "common/user-data.h"

#include "common/runtime-error.h"
#include "common/station-file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace common {

namespace {

const QString kStationListName = QStringLiteral("Player.dll");

QString ProgramStationList(const QString &programFolder) { return programFolder + u'/' + kStationListName; }

QString UserStationList() { return UserDataFolder() + u'/' + kStationListName; }

RuntimeError CopyError(const QString &from, const QString &to, const QString &reason) {
    return RuntimeError(ErrPathFileAccess,
                        QStringLiteral("Cannot copy the station list \"%1\" to \"%2\" (%3)")
                            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), reason),
                        QStringLiteral("StationList"));
}

// Copies the program folder's list to the user's copy in one step; nothing to copy when it is absent.
void CopyProgramStationList(const QString &from, const QString &to) {
    QFile source(from);
    if (!source.exists())
        return;
    if (!source.open(QIODevice::ReadOnly))
        throw CopyError(from, to, source.errorString());
    if (source.size() > kMaxStationFileBytes)
        throw CopyError(from, to, QStringLiteral("the list is too large"));
    const QByteArray content = source.read(kMaxStationFileBytes);
    QSaveFile copy(to);
    if (source.error() != QFileDevice::NoError || !copy.open(QIODevice::WriteOnly) ||
        copy.write(content) != content.size() || !copy.commit())
        throw CopyError(from, to,
                        source.error() != QFileDevice::NoError ? source.errorString() : copy.errorString());
}

} // namespace

// Permission bits do not tell for every user (root) or file system (read-only mounts): try it.
bool CanCreateFilesIn(const QString &folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.tunelark-probe-XXXXXX"));
    return probe.open();
}

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tunelark");
}

bool CanChangeProgramStationList(const QString &programFolder) {
    const QFileInfo list(ProgramStationList(programFolder));
    return CanCreateFilesIn(programFolder) && (!list.exists() || list.isWritable());
}

QString StationListPath(const QString &programFolder) {
    if (!CanChangeProgramStationList(programFolder) && QFileInfo::exists(UserStationList()))
        return UserStationList();
    return ProgramStationList(programFolder);
}

QString StationListPathForChange(const QString &programFolder) {
    if (CanChangeProgramStationList(programFolder))
        return ProgramStationList(programFolder);
    const QString copy = UserStationList();
    if (!QFileInfo::exists(copy)) {
        if (!QDir().mkpath(UserDataFolder()))
            throw CopyError(ProgramStationList(programFolder), copy,
                            QStringLiteral("cannot create its folder"));
        CopyProgramStationList(ProgramStationList(programFolder), copy);
    }
    return copy;
}

QStringList SkinsFolders(const QString &programFolder) {
    return {UserDataFolder() + QStringLiteral("/Skins"), programFolder + QStringLiteral("/Skins")};
}

} // namespace common
