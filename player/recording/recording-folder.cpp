#include "player/recording/recording-folder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace recording {

namespace {

// Permission bits do not tell for every user (root) or file system (read-only mounts): try it.
bool CanCreateFilesIn(const QString &folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.tunelark-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString RecordingFolderFor(const QString &programFolder) {
    return CanCreateFilesIn(programFolder) ? programFolder : MusicRecordingFolder();
}

QString MusicRecordingFolder() {
    QString music = qEnvironmentVariable("XDG_MUSIC_DIR");
    if (music.isEmpty())
        music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    const QString folder = QDir::cleanPath(music + QStringLiteral("/Tunelark"));
    QDir().mkpath(folder);
    return folder;
}

} // namespace recording
