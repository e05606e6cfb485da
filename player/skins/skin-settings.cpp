#include "player/skins/skin-settings.h"

#include "common/numbers.h"
#include "common/rounding.h"
#include "common/runtime-error.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace skins {

namespace {

const QString kSource = QStringLiteral("LoadSkin");

int Component(const QString &field) {
    const int whole = common::RoundToInt16(common::ParseNumber(field, kSource)); // "Overflow" past 16 bits
    if (whole < 0)
        throw common::RuntimeError::fromNumber(common::ErrInvalidCall, kSource);
    return std::min(whole, 255);
}

} // namespace

std::int32_t ParseColourLine(const QString &line) {
    const QStringList fields = line.split(u',');
    if (fields.size() < 3)
        throw common::RuntimeError::fromNumber(common::ErrSubscriptOutOfRange, kSource);
    const int red = Component(fields[0]);
    const int green = Component(fields[1]);
    const int blue = Component(fields[2]);
    return red + 256 * green + 65536 * blue;
}

QStringList SettingsLines(const QByteArray &text) {
    QString all = QString::fromUtf8(text);
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    QStringList lines = all.split(u'\r');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line starts no new one
    return lines;
}

SkinSettings ReadSkinSettings(const QString &path) {
    QFile file(path);
    if (QFileInfo(path).size() > kLargestSettingsFile)
        throw common::RuntimeError(common::ErrPathFileAccess,
                                   QStringLiteral("The skin's Settings.ini is larger than 64 KB and was not "
                                                  "loaded:\r\n") +
                                       path,
                                   kSource);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw common::RuntimeError::fromNumber(common::ErrPathFileAccess, kSource);
    SkinSettings settings;
    const QStringList lines = SettingsLines(file.read(kLargestSettingsFile + 1));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (TrimBlanks(line).isEmpty())
            continue;
        switch (i % 4) {
        case 0:
            settings.backColour = ParseColourLine(line);
            break;
        case 1:
            settings.foreColour = ParseColourLine(line);
            break;
        case 2:
            settings.comboBackColour = ParseColourLine(line);
            break;
        default:
            settings.layout = line;
        }
    }
    return settings;
}

} // namespace skins
