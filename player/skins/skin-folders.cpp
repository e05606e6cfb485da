#include "player/skins/skin-folders.h"

#include "player/skins/skin-settings.h"

namespace skins {

namespace {

common::FolderEntries SkinFolders(const QString &programFolder) {
    return common::FolderEntries(SkinsFolder(programFolder), QDir::Dirs);
}

} // namespace

QString SkinsFolder(const QString &programFolder) { return programFolder + QStringLiteral("/Skins"); }

QString SkinFolder(const QString &programFolder, const QString &name) {
    return SkinFolders(programFolder).FilePath(name);
}

QStringList SkinFolderNames(const QString &programFolder, bool *exists) {
    if (exists != nullptr)
        *exists = QDir(SkinsFolder(programFolder)).exists();
    return SkinFolders(programFolder).Names();
}

common::FolderEntries SkinFiles(const QString &folder) { return common::FolderEntries(folder, QDir::Files); }

bool IsBuiltInSkin(const QString &name) {
    const QString trimmed = TrimBlanks(name);
    return trimmed.isEmpty() || trimmed.toUpper() == kBuiltInSkinName.toUpper();
}

} // namespace skins
