#include "player/recording/recording-folder.h"

#include "common/user-data.h"

#include <QDir>
#include <QStandardPaths>

namespace recording {

QString RecordingFolderFor(const QString &programFolder) {
    return common::CanCreateFilesIn(programFolder) ? programFolder : MusicRecordingFolder();
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
