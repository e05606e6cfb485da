#pragma once
// What the build's picture generators share: their one argument (the output folder, created when
// missing), an off-screen GUI application for painting, and writing image files whole or not at all.

#include <QDir>
#include <QImage>
#include <QString>
#include <functional>

namespace skinart {

// Runs `generate` on the folder named by the only argument; it returns an error text, empty on
// success. The exit code: 0, 1 on an error (printed), 2 on a wrong call.
int RunGenerator(int argc, char *argv[], const std::function<QString(const QDir &folder)> &generate);

// Writes `image` to `path` in `format` (quality -1: the format's default) through a temporary file.
bool WriteImageFile(const QImage &image, const QString &path, const char *format, int quality = -1);

} // namespace skinart
