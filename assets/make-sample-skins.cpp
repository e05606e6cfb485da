// Draws the sample skins shipped in the program folder's Skins/ and writes each as a skin folder:
// Main.bmp, Welcome.jpg, Box.jpg, every button's image and rollover twin as JPEG, and Settings.ini
// with the skin's colours and the layout line. Usage: make-sample-skins <Skins folder>

#include "generator-main.h"
#include "skin-art.h"

#include <QSaveFile>

namespace {

struct SampleSkin {
    const char *name;
    skinart::SkinStyle style;
};

// Two looks of our own: a night-blue set with a wide, low body and deep notches, and a warm green one
// with a taller header and no feet.
const SampleSkin kSkins[] = {
    {"Harbour Night",
     {{QColor(14, 30, 56), QColor(168, 204, 232), QColor(4, 10, 22), QColor(255, 0, 255)},
      {QRectF(14, 100, 695, 390), 80, QRectF(150, 44, 423, 90), 40, 26, QRectF(120, 450, 140, 56), 20},
      false}},
    {"Fern Valley",
     {{QColor(30, 58, 30), QColor(226, 214, 160), QColor(10, 22, 10), QColor(0, 0, 254)},
      {QRectF(28, 96, 667, 410), 48, QRectF(186, 30, 351, 110), 54, 0, QRectF(), 0},
      false}},
};

// The layout line: the player derives most places from these ten (the button row 35 twips apart, the
// list 50 twips under its arrow, Exit 150 twips right of Minimize), so they are chosen to bring every
// element within a pixel or two of the places the pictures are drawn for.
const char *const kLayout = "3120, 2415, 5250, 3180, 3240, 2490, 6255, 7110, 1995, 7725";

QString ColourLine(const QColor &colour) {
    return QStringLiteral("%1, %2, %3\r\n").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

bool Write(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool WriteSkin(const QDir &skins, const SampleSkin &skin) {
    const QString folder = skins.filePath(QString::fromLatin1(skin.name));
    if (!QDir().mkpath(folder))
        return false;
    const skinart::SkinPalette &palette = skin.style.palette;
    const QString settings = ColourLine(palette.body) + ColourLine(palette.trim) +
                             ColourLine(palette.screen) + QString::fromLatin1(kLayout) +
                             QStringLiteral("\r\n");
    if (!Write(folder + QStringLiteral("/Settings.ini"), settings.toLatin1()))
        return false;
    for (const skinart::SkinImage &picture : skinart::RenderSkin(skin.style)) {
        // The window icon and its flicker frames are the program's own, not a skin's.
        if (picture.name == QLatin1String("Tunelark") || picture.name.startsWith(QLatin1String("Flash")))
            continue;
        // The main picture stays a bitmap: its key colour must survive exactly.
        const bool main = picture.name == QLatin1String("Main");
        const QString path =
            folder + u'/' + picture.name + (main ? QStringLiteral(".bmp") : QStringLiteral(".jpg"));
        if (!skinart::WriteImageFile(picture.image.convertToFormat(QImage::Format_RGB32), path,
                                     main ? "BMP" : "JPG", 92))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    return skinart::RunGenerator(argc, argv, [](const QDir &skins) {
        for (const SampleSkin &skin : kSkins)
            if (!WriteSkin(skins, skin))
                return QStringLiteral("cannot write the skin %1 into %2")
                    .arg(QLatin1String(skin.name), skins.path());
        return QString();
    });
}
