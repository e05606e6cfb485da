// Draws the built-in skin and writes its pictures as PNG files into the folder given on the command line.

#include "message-art.h"
#include "pointer-art.h"
#include "skin-art.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

skinart::SkinStyle BuiltinStyle() {
    const skinart::SkinPalette palette{QColor(64, 0, 0), QColor(222, 206, 140), QColor(22, 4, 6),
                                       QColor(165, 12, 45)};
    const skinart::OutlineShape outline{QRectF(24, 92, 675, 400), 64, QRectF(170, 40, 383, 90), 28, 18,
                                        QRectF(96, 452, 120, 52), 12};
    return {palette, outline};
}

bool WritePng(const QImage &image, const QString &path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", qPrintable(args.value(0)));
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create folder %s\n", qPrintable(args[1]));
        return 1;
    }
    std::vector<skinart::SkinImage> pictures = skinart::RenderSkin(BuiltinStyle());
    // The recording hint window wears the built-in look whatever the skin.
    pictures.push_back({QStringLiteral("Message"), skinart::PaintMessage(BuiltinStyle().palette)});
    pictures.push_back({QStringLiteral("Pointer"), skinart::PaintPointer(BuiltinStyle().palette)});
    for (const skinart::SkinImage &picture : pictures) {
        const QString path = folder.filePath(picture.name + QStringLiteral(".png"));
        if (!WritePng(picture.image, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
