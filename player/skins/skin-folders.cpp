#include "player/skins/skin-folders.h"

#include "player/skins/skin-settings.h"

#include <QDir>

namespace skins {

QString SkinsFolder(const QString &programFolder) { return programFolder + QStringLiteral("/Skins"); }

QString SkinFolder(const QString &programFolder, const QString &name) {
    return SkinsFolder(programFolder) + u'/' + name;
}

QStringList SkinFolderNames(const QString &programFolder, bool *exists) {
    const QDir folder(SkinsFolder(programFolder));
    if (exists != nullptr)
        *exists = folder.exists();
    return folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

bool IsBuiltInSkin(const QString &name) {
    const QString trimmed = TrimBlanks(name);
    return trimmed.isEmpty() || trimmed.toUpper() == kBuiltInSkinName.toUpper();
}

} // namespace skins
