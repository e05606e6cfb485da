#pragma once
// Where skins live: one sub-folder of the program folder's "Skins" per skin, named after it. The
// built-in skin is listed first as "Spider Man" and loads nothing from disk.

#include <QString>
#include <QStringList>

namespace skins {

inline const QString kBuiltInSkinName = QStringLiteral("Spider Man");

QString SkinsFolder(const QString &programFolder);
QString SkinFolder(const QString &programFolder, const QString &name);

// The skin folders' names sorted by name, or none when there is no Skins folder; `exists` says
// whether there is one.
QStringList SkinFolderNames(const QString &programFolder, bool *exists = nullptr);

// Whether `name` stands for the built-in skin: empty after trimming blanks, or "Spider Man" in any
// capitals.
bool IsBuiltInSkin(const QString &name);

} // namespace skins
