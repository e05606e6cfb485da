#pragma once
// The player's own pointer, shown over its picture buttons, the settings panel's choices and the
// help line at rest.

#include <QCursor>

namespace player {

QCursor CustomPointer();

} // namespace player
