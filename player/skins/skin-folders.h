#pragma once
// Where skins live: one sub-folder per skin, named after it, of the user's skin folder or of the program
// folder's "Skins" (common::SkinsFolders; a user's skin wins over the program folder's of the same name,
// in any letter case). The built-in skin is listed first as "Spider Man" and loads nothing from disk. Skins
// come from a platform whose file names ignore letter case, so skin and file names are matched without regard
// to it.

#include "common/folder-entries.h"

#include <QString>
#include <QStringList>

namespace skins {

inline const QString kBuiltInSkinName = QStringLiteral("Spider Man");

// The folder of the skin called `name` in any letter case (common::FolderEntries picks among folders
// that differ only by case), the user's first, or the path `name` gives in the program folder's Skins
// when no folder matches.
QString SkinFolder(const QString &programFolder, const QString &name);

// The skin folders' names of both places, each once, sorted by name without regard to case ("aqua"
// before "Zen"), or none when there is no skin folder; `exists` says whether there is one.
QStringList SkinFolderNames(const QString &programFolder, bool *exists = nullptr);

// The files of a skin folder, listed once and found in any letter case ("PLAY.JPG" for "Play.jpg").
common::FolderEntries SkinFiles(const QString &folder);

// Whether `name` stands for the built-in skin: empty after trimming blanks, or "Spider Man" in any
// capitals.
bool IsBuiltInSkin(const QString &name);

} // namespace skins
