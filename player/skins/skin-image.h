#pragma once
// Reading a skin's image (JPEG, or a Windows bitmap for Main.bmp) through Qt's image readers, as the
// untrusted file it is: its size is checked before it is decoded.

#include <QImage>
#include <QString>

namespace skins {

inline constexpr int kLargestImageSide = 8192;

// The image at `path`; raises common::RuntimeError "Invalid picture" (481) for a file the readers
// reject, and a clear message for one larger than kLargestImageSide on a side.
QImage LoadSkinImage(const QString &path);

} // namespace skins
