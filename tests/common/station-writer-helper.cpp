// Starts writing a large station list and kills itself with SIGKILL once the temporary file beside the
// target holds data, so the station file test can check what a write killed halfway leaves behind.
// Usage: common-station-writer-helper <station file> <number of stations>

#include "common/station-file.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <signal.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The writer's buffer is flushed long before this, so the data has reached the temporary file.
constexpr off_t kKillAfterBytes = 256 * 1024;

// True when this process holds open a file in folder with at least minimumSize bytes, far more than the
// old station file has. Looking at open descriptors finds the file being written whether or not it has
// a name (a temporary file may have none) and even if it is the station file itself.
bool WritingBegun(const QByteArray &folder, off_t minimumSize) {
    const QStringList descriptors =
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString &descriptor : descriptors) {
        const QByteArray link = QByteArrayLiteral("/proc/self/fd/") + descriptor.toLatin1();
        char linked[4096];
        const ssize_t length = readlink(link.constData(), linked, sizeof linked);
        if (length <= 0)
            continue;
        const QByteArray file(linked, length);
        struct stat status;
        if (file.startsWith(folder + '/') && stat(link.constData(), &status) == 0 &&
            status.st_size >= minimumSize)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3)
        return 2;
    const QString path = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int count = QByteArray(argv[2]).toInt();

    common::StationList stations;
    for (int i = 0; i < count; ++i)
        stations.append(
            {QStringLiteral("Station %1").arg(i), QStringLiteral("http://stream%1.example.com/live").arg(i)});

    // The kernel names open files by their canonical paths.
    std::thread killer([folder = QDir(QFileInfo(path).absolutePath()).canonicalPath().toLocal8Bit()] {
        while (!WritingBegun(folder, kKillAfterBytes))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::fputs("killing mid-write\n", stdout);
        std::fflush(stdout);
        kill(getpid(), SIGKILL);
    });
    killer.detach();

    common::WriteStationFile(path, stations);
    std::fputs("write finished before it could be killed\n", stdout);
    return 0;
}
