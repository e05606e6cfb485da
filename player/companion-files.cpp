#include "player/companion-files.h"

#include <QFileInfo>

namespace player {

namespace {

#ifdef Q_OS_WIN
const QString kExecutableSuffix = QStringLiteral(".exe");
#else
const QString kExecutableSuffix;
#endif

} // namespace

QStringList CompanionFiles() {
    return {QStringLiteral("lame_enc.dll"),
            QStringLiteral("Tunelark.dll"),
            QStringLiteral("Process.dll"),
            QStringLiteral("Player.dll"),
            QStringLiteral("Stations") + kExecutableSuffix,
            QStringLiteral("Skin.dll"),
            QStringLiteral("Encoder.dll")};
}

std::optional<QString> FirstMissingCompanionFile(const QString &programFolder) {
    for (const QString &name : CompanionFiles()) {
        const QFileInfo file(programFolder + QLatin1Char('/') + name);
        if (!file.isFile() || file.isHidden())
            return name;
    }
    return std::nullopt;
}

QString MissingCompanionFileMessage(const QString &programFolder, const QString &fileName) {
    return QStringLiteral("One of the files needed to run this application was not found.\r\n"
                          "Please make sure the below file is present at the location.\r\n") +
           programFolder + QLatin1Char('/') + fileName +
           QStringLiteral("\r\n\r\nNote : If you are running this application directly from a zip file then "
                          "please extract all the files to a folder on your hard disk and then run the "
                          "Tunelark.exe file from that folder.");
}

} // namespace player
