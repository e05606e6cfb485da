#pragma once
// Where a user's own data lives beside the program folder's. A program folder the user can write keeps
// everything, as it always has; an installed one, which no user may write, leaves the user's changes to
// the user's data folder, $XDG_DATA_HOME/Tunelark (~/.local/share/Tunelark when the variable is unset).

#include <QString>
#include <QStringList>

namespace common {

// Whether a file can be made in `folder` now, by trying it.
bool CanCreateFilesIn(const QString &folder);

// $XDG_DATA_HOME/Tunelark; not created here.
QString UserDataFolder();

// Whether the programs may rewrite the program folder's Player.dll: the folder takes new files (the
// rewrite goes through a temporary file beside it) and the file, when present, is writable.
bool CanChangeProgramStationList(const QString &programFolder);

// The station list the programs read: the program folder's Player.dll when it can be changed;
// otherwise the user's copy when there is one, else the program folder's.
QString StationListPath(const QString &programFolder);

// The station list a change is written to: the program folder's Player.dll when it can be changed;
// otherwise the user's copy, made first from the program folder's list when there is none yet (in one
// step: a reader finds no copy or a whole one). Throws RuntimeError when the copy cannot be made.
QString StationListPathForChange(const QString &programFolder);

// The folders skins are listed from, the one whose skins win over same-named ones first: the user's
// ($XDG_DATA_HOME/Tunelark/Skins), then the program folder's Skins.
QStringList SkinsFolders(const QString &programFolder);

} // namespace common
