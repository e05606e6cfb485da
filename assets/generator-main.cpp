#include "generator-main.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace skinart {

int RunGenerator(int argc, char *argv[], const std::function<QString(const QDir &folder)> &generate) {
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
    const QString error = generate(folder);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

bool WriteImageFile(const QImage &image, const QString &path, const char *format, int quality) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, format, quality) && file.commit();
}

} // namespace skinart
