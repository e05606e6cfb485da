#include "cli/skin-command.h"

#include "common/runtime-error.h"
#include "player/skins/skin-folders.h"
#include "player/skins/skin-image.h"
#include "player/skins/skin-layout.h"
#include "player/skins/skin-settings.h"
#include "player/skins/window-shape.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <optional>

namespace cli {

namespace {

// The skin's images in the order the player loads them, with the layout element each one sizes.
struct SkinFile {
    const char *name;
    std::optional<skins::Element> sizes;
};
const SkinFile kFiles[] = {
    {"Main.bmp", {}},
    {"Welcome.jpg", skins::Element::Mess},
    {"Box.jpg", skins::Element::SettingsBox},
    {"Play.jpg", skins::Element::Play},
    {"PlayR.jpg", {}},
    {"Stop.jpg", skins::Element::Stop},
    {"StopR.jpg", {}},
    {"Record.jpg", skins::Element::Record},
    {"RecordR.jpg", {}},
    {"RecordStop.jpg", skins::Element::RecordStop},
    {"RecordStopR.jpg", {}},
    {"Settings.jpg", skins::Element::Settings},
    {"SettingsR.jpg", {}},
    {"Advanced.jpg", skins::Element::AdvanceRec},
    {"AdvancedR.jpg", {}},
    {"About.jpg", skins::Element::About},
    {"AboutR.jpg", {}},
    {"Up.jpg", skins::Element::Up},
    {"UpR.jpg", {}},
    {"Down.jpg", skins::Element::Down},
    {"DownR.jpg", {}},
    {"Exit.jpg", skins::Element::Close},
    {"ExitR.jpg", {}},
    {"Minimize.jpg", skins::Element::Min},
    {"MinimizeR.jpg", {}},
    {"Close.jpg", {}},
    {"CloseR.jpg", {}},
};

// The built-in main picture's size, which the window keeps when the skin has no Main.bmp.
constexpr QSize kBuiltInMain{723, 565};

QString ColourLine(const char *what, const std::optional<std::int32_t> &colour) {
    if (!colour)
        return QStringLiteral("%1: not set (applies as black)\n").arg(QLatin1String(what));
    return QStringLiteral("%1: %2, %3, %4 (%5)\n")
        .arg(QLatin1String(what))
        .arg(*colour & 0xFF)
        .arg((*colour >> 8) & 0xFF)
        .arg((*colour >> 16) & 0xFF)
        .arg(*colour);
}

QString SettingsPath(const common::FolderEntries &files, const QString &folder) {
    const QString path = files.FilePath(QStringLiteral("Settings.ini"));
    if (!QFileInfo(path).isFile())
        throw BadInput(
            QStringLiteral("no Settings.ini in %1: the player reports the skin as missing").arg(folder));
    return path;
}

int Check(const ParsedCommand &command) {
    const QString folder = command.positional[0];
    const common::FolderEntries files = skins::SkinFiles(folder);
    QString report;
    skins::SkinSettings settings;
    try {
        settings = skins::ReadSkinSettings(SettingsPath(files, folder));
        report += ColourLine("background colour", settings.backColour) +
                  ColourLine("text colour", settings.foreColour) +
                  ColourLine("combo-box colour", settings.comboBackColour);
    } catch (const common::RuntimeError &error) {
        WriteOut(QStringLiteral("Settings.ini: %1: loading stops, the built-in look stays\n")
                     .arg(OnOneLine(error.description())));
        return kExitBadInput;
    }

    skins::Layout layout = skins::BuiltInLayout();
    QSize main = kBuiltInMain;
    // The player stops at the first image it rejects: nothing after it applies, the layout neither.
    QString rejected;
    for (const SkinFile &file : kFiles) {
        if (!rejected.isEmpty()) {
            report += QStringLiteral("%1: not applied, loading stops at %2\n")
                          .arg(QLatin1String(file.name), rejected);
            continue;
        }
        const QString path = files.FilePath(QString::fromLatin1(file.name));
        if (!QFileInfo(path).isFile()) {
            report +=
                QStringLiteral("%1: missing, the built-in image is used\n").arg(QLatin1String(file.name));
            continue;
        }
        try {
            const QImage image = skins::LoadSkinImage(path);
            report += QStringLiteral("%1: %2 × %3\n")
                          .arg(QLatin1String(file.name))
                          .arg(image.width())
                          .arg(image.height());
            if (file.sizes) {
                layout[*file.sizes].width = image.width() * 15.0;
                layout[*file.sizes].height = image.height() * 15.0;
            } else if (QLatin1String(file.name) == QLatin1String("Main.bmp")) {
                main = image.size();
            }
        } catch (const common::RuntimeError &error) {
            report += QStringLiteral("%1: rejected: %2\n")
                          .arg(QLatin1String(file.name), OnOneLine(error.description()));
            rejected = QLatin1String(file.name);
        }
    }

    const QStringList fields = settings.layout.split(u',');
    if (!rejected.isEmpty()) {
        report += QStringLiteral("layout: not applied, loading stops at %1\n").arg(rejected);
    } else if (settings.layout.isEmpty()) {
        report += QStringLiteral("layout: none, every element stays at its built-in place\n");
    } else if (fields.size() < 10) {
        report += QStringLiteral("layout: %1 fields, fewer than ten: no element moves\n").arg(fields.size());
    } else {
        try {
            skins::AdjustLayout(layout, fields);
            report += QStringLiteral("layout: %1\n").arg(fields.mid(0, 10).join(u','));
        } catch (const common::RuntimeError &error) {
            report += QStringLiteral("layout: %1: the elements after it stay where they were\n")
                          .arg(error.description());
        }
        const QRectF picture(0, 0, main.width() * 15.0, main.height() * 15.0);
        for (const auto &[element, box] : layout) {
            if (!picture.contains(QRectF(box.left, box.top, box.width, box.height)))
                report += QStringLiteral("%1: outside the main picture (left %2, top %3, %4 × %5 twips)\n")
                              .arg(skins::ElementName(element))
                              .arg(box.left)
                              .arg(box.top)
                              .arg(box.width)
                              .arg(box.height);
        }
    }
    WriteOut(report);
    return rejected.isEmpty() ? kExitOk : kExitBadInput;
}

int Shape(const ParsedCommand &command) {
    const QString path = skins::SkinFiles(command.positional[0]).FilePath(QStringLiteral("Main.bmp"));
    if (!QFileInfo(path).isFile())
        throw BadInput(QStringLiteral("no Main.bmp in %1: the window keeps the built-in outline")
                           .arg(command.positional[0]));
    QImage picture;
    try {
        picture = skins::LoadSkinImage(path);
    } catch (const common::RuntimeError &error) {
        throw BadInput(QStringLiteral("Main.bmp: %1").arg(OnOneLine(error.description())));
    }
    std::int32_t key = 0;
    QImage outline(picture.size(), QImage::Format_RGB32);
    outline.fill(Qt::white);
    {
        QPainter painter(&outline);
        for (const QRect &rectangle : skins::ShapeRectangles(picture, key))
            painter.fillRect(rectangle, Qt::black);
    }
    QSaveFile file(command.value);
    if (!file.open(QIODevice::WriteOnly) || !outline.save(&file, "PNG") || !file.commit())
        throw BadInput(QStringLiteral("cannot write %1").arg(command.value));
    return kExitOk;
}

} // namespace

CommandGroup SkinCommands() {
    return CommandGroup{
        QStringLiteral("skin"),
        QStringLiteral("Check skin folders as the player reads them."),
        {
            {QStringLiteral("check"), QStringLiteral("DIR"),
             QStringLiteral("Report what a skin folder applies and what is wrong with it."),
             QStringLiteral(
                 "Reads the skin folder DIR as the player would and prints, one line each, the colours\n"
                 "of its Settings.ini, every image (its size, missing so the built-in one is used, or\n"
                 "rejected by the image readers), the layout line (or why it moves nothing) and every\n"
                 "element the layout puts outside the main picture. As in the player, loading stops at\n"
                 "a rejected image: the images after it and the layout are reported as not applied.\n"
                 "File names match in any letter case. The exit status is 1 when loading the skin\n"
                 "would fail: no Settings.ini, a bad colour line, a rejected image.\n"),
             1, QString(), Check},
            {QStringLiteral("shape"), QStringLiteral("DIR --png FILE"),
             QStringLiteral("Draw the window outline of a skin's main picture."),
             QStringLiteral(
                 "Writes the window outline that DIR/Main.bmp gives as the PNG image FILE, of the\n"
                 "window's size: black where the window is, white where it is cut away (every pixel\n"
                 "of the top-left pixel's colour, as the player cuts it).\n"),
             1, QStringLiteral("png"), Shape},
        }};
}

} // namespace cli
