#include "player/custom-pointer.h"

#include "player/skins/builtin-skin.h"

namespace player {

QCursor CustomPointer() {
    static const QPixmap picture = BuiltInImage(QStringLiteral("Pointer.png"));
    return QCursor(picture, 1, 1);
}

} // namespace player
