// Records the default monitor through the waveaudio device for the given number of seconds, then saves
// the recording, printing the resident memory once a second and the peak at the end: the capture
// streams to disk, so memory must not grow with the recording's length.
// Usage: record-memory SECONDS WAVE-PATH

#include "platform/mci/mci.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <sys/resource.h>

namespace {

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: record-memory SECONDS WAVE-PATH\n");
        return 2;
    }
    using platform::mci::mciSendString;
    const int seconds = QString::fromLocal8Bit(argv[1]).toInt();
    mciSendString(QStringLiteral("open new type waveaudio alias rec"));
    mciSendString(QStringLiteral("set rec channels 2 bitspersample 16 samplespersec 48000 alignment 4"));
    if (const int error = mciSendString(QStringLiteral("record rec"))) {
        std::fprintf(stderr, "record: %s\n", qPrintable(platform::mci::mciGetErrorString(error)));
        return 1;
    }
    for (int second = 1; second <= seconds; ++second) {
        QThread::sleep(1);
        QString bytes;
        mciSendString(QStringLiteral("set rec time format bytes"));
        mciSendString(QStringLiteral("status rec length"), &bytes);
        std::printf("second=%d recorded_bytes=%s rss_kib=%ld\n", second, qPrintable(bytes), ResidentKiB());
    }
    mciSendString(QStringLiteral("stop rec"));
    const int saved = mciSendString(QStringLiteral("save rec ") + QString::fromLocal8Bit(argv[2]));
    mciSendString(QStringLiteral("close all"));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("seconds=%d saved=%s peak_rss_kib=%ld\n", seconds, saved == 0 ? "yes" : "no",
                usage.ru_maxrss);
    return saved == 0 ? 0 : 1;
}
