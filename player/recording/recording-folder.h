#pragma once
// Where a recording's files go: the program folder when files can be created there, otherwise the
// user's music folder ($XDG_MUSIC_DIR, else the desktop's music folder) + "/Tunelark", created when
// missing.

#include <QString>

namespace recording {

QString RecordingFolderFor(const QString &programFolder);
// The music folder's "Tunelark" folder, created when missing: where recordings go when the program
// folder cannot take them.
QString MusicRecordingFolder();

} // namespace recording
