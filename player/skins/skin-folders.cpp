#include "player/skins/skin-folders.h"

#include "common/user-data.h"
#include "player/skins/skin-settings.h"

#include <QSet>

namespace skins {

namespace {

common::FolderEntries SkinFolders(const QString &skinsFolder) {
    return common::FolderEntries(skinsFolder, QDir::Dirs);
}

QString ProgramSkinsFolder(const QString &programFolder) {
    return common::SkinsFolders(programFolder).last();
}

} // namespace

QString SkinFolder(const QString &programFolder, const QString &name) {
    for (const QString &skinsFolder : common::SkinsFolders(programFolder)) {
        const QString found = SkinFolders(skinsFolder).Find(name);
        if (!found.isEmpty())
            return skinsFolder + u'/' + found;
    }
    return ProgramSkinsFolder(programFolder) + u'/' + name;
}

QStringList SkinFolderNames(const QString &programFolder, bool *exists) {
    bool anyFolder = false;
    QStringList names;
    QSet<QString> taken; // case-folded names of the folders that win
    for (const QString &skinsFolder : common::SkinsFolders(programFolder)) {
        anyFolder = anyFolder || QDir(skinsFolder).exists();
        const common::FolderEntries folders = SkinFolders(skinsFolder);
        QStringList added;
        for (const QString &name : folders.Names())
            if (!taken.contains(name.toCaseFolded()))
                added.append(name);
        for (const QString &name : std::as_const(added))
            taken.insert(name.toCaseFolded());
        names += added;
    }
    if (exists != nullptr)
        *exists = anyFolder;
    common::SortEntryNames(names);
    return names;
}

common::FolderEntries SkinFiles(const QString &folder) { return common::FolderEntries(folder, QDir::Files); }

bool IsBuiltInSkin(const QString &name) {
    const QString trimmed = TrimBlanks(name);
    return trimmed.isEmpty() || trimmed.toUpper() == kBuiltInSkinName.toUpper();
}

} // namespace skins
