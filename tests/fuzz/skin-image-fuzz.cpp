// A skin's image as the skin loader reads it: the size is checked before decoding, so a picture
// either loads within the largest size or raises the loader's error.

#include "common/runtime-error.h"
#include "player/skins/skin-image.h"
#include "tests/fuzz/fuzz-input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = fuzz::WriteInputFile(QStringLiteral("Main.bmp"), fuzz::InputBytes(data, size));
    try {
        const QImage image = skins::LoadSkinImage(path);
        fuzz::Require(!image.isNull() && image.width() <= skins::kLargestImageSide &&
                          image.height() <= skins::kLargestImageSide,
                      "a loaded picture is within the largest size");
    } catch (const common::RuntimeError &) {
    }
    return 0;
}
