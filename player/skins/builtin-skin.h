#pragma once
// The built-in skin ("Spider Man" in the skin list): the images the main window is designed with.

#include <QPixmap>
#include <QString>

namespace player {

// The built-in image standing for a skin file name such as "Play.jpg", "PlayR.jpg" or "Main.bmp".
QPixmap BuiltInImage(const QString &skinFileName);

} // namespace player
