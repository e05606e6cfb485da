#include "player/skins/builtin-skin.h"

#include <QFileInfo>

namespace player {

QPixmap BuiltInImage(const QString &skinFileName) {
    return QPixmap(QStringLiteral(":/builtin-skin/") + QFileInfo(skinFileName).completeBaseName() +
                   QStringLiteral(".png"));
}

} // namespace player
