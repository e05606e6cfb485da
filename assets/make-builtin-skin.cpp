// Draws the built-in skin and writes its pictures as PNG files into the folder given on the command line.

#include "generator-main.h"
#include "message-art.h"
#include "pointer-art.h"
#include "skin-art.h"

namespace {

skinart::SkinStyle BuiltinStyle() {
    const skinart::SkinPalette palette{QColor(64, 0, 0), QColor(222, 206, 140), QColor(22, 4, 6),
                                       QColor(165, 12, 45)};
    const skinart::OutlineShape outline{QRectF(24, 92, 675, 400), 64, QRectF(170, 40, 383, 90), 28, 18,
                                        QRectF(96, 452, 120, 52), 12};
    return {palette, outline};
}

} // namespace

int main(int argc, char *argv[]) {
    return skinart::RunGenerator(argc, argv, [](const QDir &folder) {
        std::vector<skinart::SkinImage> pictures = skinart::RenderSkin(BuiltinStyle());
        // The recording hint window wears the built-in look whatever the skin.
        pictures.push_back({QStringLiteral("Message"), skinart::PaintMessage(BuiltinStyle().palette)});
        pictures.push_back({QStringLiteral("Pointer"), skinart::PaintPointer(BuiltinStyle().palette)});
        for (const skinart::SkinImage &picture : pictures) {
            const QString path = folder.filePath(picture.name + QStringLiteral(".png"));
            if (!skinart::WriteImageFile(picture.image, path, "PNG"))
                return QStringLiteral("cannot write ") + path;
        }
        return QString();
    });
}
