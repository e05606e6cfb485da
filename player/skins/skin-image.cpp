#include "player/skins/skin-image.h"

#include "common/runtime-error.h"

#include <QImageReader>

namespace skins {

namespace {

// A bitmap stored top-down reports its height as a negative number.
bool SideFits(int side) { return side >= -kLargestImageSide && side <= kLargestImageSide; }

} // namespace

QImage LoadSkinImage(const QString &path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true); // the content decides, whatever the name says
    const QSize size = reader.size();
    if (!SideFits(size.width()) || !SideFits(size.height()))
        throw common::RuntimeError(481,
                                   QStringLiteral("The skin's image is larger than %1 × %1 pixels and was "
                                                  "not loaded:\r\n%2")
                                       .arg(kLargestImageSide)
                                       .arg(path),
                                   QStringLiteral("LoadSkin"));
    QImage image = reader.read();
    if (image.isNull())
        throw common::RuntimeError(481, QStringLiteral("Invalid picture"), QStringLiteral("LoadSkin"));
    return image;
}

} // namespace skins
