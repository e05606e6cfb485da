#include "platform/mci/capture-file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform::mci {

namespace {

const QString kCaptureNamePattern = QStringLiteral("recording-*.pcm");

bool CopyCaptureFile(int fd, std::int64_t size, const QString &path) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (std::int64_t done = 0; done < size;) {
        const ssize_t got = ::pread(
            fd, chunk.data(), std::size_t(std::min<std::int64_t>(chunk.size(), size - done)), off_t(done));
        if (got <= 0 || out.write(chunk.constData(), got) != got) {
            out.cancelWriting();
            break;
        }
        done += got;
    }
    return out.commit();
}

// The capture file at `path` when no recording holds it: its descriptor, locked, or -1.
int OpenUnheldCapture(const QString &path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Saves one capture file left by an ended recording; its new path, or empty text when it stays.
QString KeepInterruptedCapture(const QString &path,
                               const std::function<QString(const QDateTime &started)> &target) {
    const int fd = OpenUnheldCapture(path);
    if (fd < 0)
        return {};
    QByteArray header(kWaveHeaderSize, '\0');
    const std::optional<WaveFormat> format = ::pread(fd, header.data(), kWaveHeaderSize, 0) == kWaveHeaderSize
                                                 ? CanonicalWaveFormat(header)
                                                 : std::nullopt;
    QString saved;
    if (format) {
        const QFileInfo file(path);
        const std::int64_t align = format->blockAlign();
        const std::int64_t bytes =
            std::min(std::max<std::int64_t>(file.size() - kWaveHeaderSize, 0) / align * align,
                     MaxWaveDataBytes(*format));
        const QDateTime started = file.birthTime().isValid() ? file.birthTime() : file.lastModified();
        bool moved = false;
        if (bytes == 0)
            QFile::remove(path);
        else if (const QString place = target(started);
                 SaveCaptureFile(fd, path, *format, bytes, place, true, &moved))
            saved = place;
        if (!saved.isEmpty() && !moved)
            QFile::remove(path);
    }
    ::close(fd);
    return saved;
}

} // namespace

QString CaptureFolder() {
    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Tunelark");
    return QDir().mkpath(cache) ? cache : QDir::tempPath();
}

int CreateCaptureFile(QString *path) {
    QByteArray name = QFile::encodeName(CaptureFolder() + QStringLiteral("/recording-XXXXXX.pcm"));
    const int fd = ::mkostemps(name.data(), 4, O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        ::unlink(name.constData());
        return -1;
    }
    *path = QFile::decodeName(name);
    return fd;
}

bool WriteCaptureHeader(int fd, const WaveFormat &format, std::int64_t bytes) {
    const QByteArray header = CanonicalWaveHeader(format, static_cast<std::uint32_t>(bytes));
    return ::pwrite(fd, header.constData(), std::size_t(header.size()), 0) == header.size();
}

bool SaveCaptureFile(int fd, const QString &capturePath, const WaveFormat &format, std::int64_t bytes,
                     const QString &path, bool mayMove, bool *moved) {
    *moved = false;
    // The tail of a write that failed half-way is not part of the recording.
    if (::ftruncate(fd, off_t(kWaveHeaderSize + bytes)) != 0 || !WriteCaptureHeader(fd, format, bytes) ||
        ::fdatasync(fd) != 0)
        return false;
    if (mayMove &&
        ::rename(QFile::encodeName(capturePath).constData(), QFile::encodeName(path).constData()) == 0) {
        *moved = true;
        return true;
    }
    return CopyCaptureFile(fd, kWaveHeaderSize + bytes, path); // another file system, or saved before
}

QStringList KeepInterruptedCaptures(const std::function<QString(const QDateTime &started)> &target) {
    const QDir folder(CaptureFolder());
    QStringList saved;
    for (const QString &name : folder.entryList({kCaptureNamePattern}, QDir::Files, QDir::Name)) {
        const QString path = KeepInterruptedCapture(folder.filePath(name), target);
        if (!path.isEmpty())
            saved << path;
    }
    return saved;
}

} // namespace platform::mci
