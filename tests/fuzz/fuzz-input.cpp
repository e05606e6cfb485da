#include "tests/fuzz/fuzz-input.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

const QString &PrivateFolder() {
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/tunelark-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/tunelark-fuzz-XXXXXX"));
    Require(folder.isValid(), "the private folder for input files could not be made");
    static const QString path = folder.path();
    return path;
}

} // namespace

QByteArray InputBytes(const std::uint8_t *data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

void Require(bool holds, const char *what) {
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

QString WriteInputFile(const QString &name, const QByteArray &bytes) {
    const QString path = PrivateFolder() + u'/' + name;
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the input file could not be written");
    return path;
}

} // namespace fuzz
