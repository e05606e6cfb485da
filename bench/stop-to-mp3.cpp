// Stop Recording → MP3 complete: a capture is written into a capture file faster than real time while
// the live encoder follows it, then "stopped" and saved as the recording device does; the time until
// the MP3 is complete and checked is set against converting the same saved capture after Stop. Also
// prints the encoder's processor time as a share of one core at the recording's pace.
//
// Usage: stop-to-mp3 LIBRARY SOURCE.wav MINUTES SPEED
//   LIBRARY   the encoder library (Tunelark.dll)
//   SOURCE    a 48 kHz 16-bit stereo WAVE file with a canonical 44-byte header, repeated as needed
//   SPEED     how many times faster than real time the capture is written (1: real time)

#include "player/recording/WAVToMP3.h"
#include "player/recording/live-encoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int kRate = 48000;
constexpr int kHeaderBytes = 44;
constexpr qint64 kFragmentBytes = kRate * 4 / 10; // what the sound server hands over in 100 ms

QByteArray WaveHeader(qint64 dataBytes) {
    QByteArray header("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\0\0\0\0\0\0\0\0\x04\0\x10\0data\0\0\0\0",
                      44);
    const auto put = [&header](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    put(4, quint32(36 + dataBytes));
    put(24, kRate);
    put(28, kRate * 4);
    put(40, quint32(dataBytes));
    return header;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: stop-to-mp3 LIBRARY SOURCE.wav MINUTES SPEED\n");
        return 2;
    }
    const QString library = args[1];
    QFile source(args[2]);
    const double minutes = args[3].toDouble();
    const double speed = args[4].toDouble();
    if (!source.open(QIODevice::ReadOnly) || minutes <= 0 || speed <= 0) {
        std::fprintf(stderr, "cannot read %s, or no minutes or speed\n", qPrintable(args[2]));
        return 2;
    }
    const QByteArray sound = source.readAll().mid(kHeaderBytes);
    const qint64 total = qint64(minutes * 60 * kRate) * 4;
    QTemporaryDir dir(QStringLiteral("/var/tmp/stop-to-mp3-XXXXXX"));
    const QString capture = dir.filePath(QStringLiteral("capture.pcm"));
    QFile out(capture);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        out.write(QByteArray(kHeaderBytes, 0)) != 44)
        return 1;

    recording::LiveEncoder live(library, capture, kHeaderBytes, kRate,
                                dir.filePath(QStringLiteral("live.mp3.part")));
    // The sound server's fragments, at `speed` times their pace.
    const auto pause = std::chrono::microseconds(qint64(100000 / speed));
    auto next = std::chrono::steady_clock::now();
    for (qint64 written = 0; written < total;) {
        const qint64 at = written % sound.size();
        const qint64 bytes = std::min({kFragmentBytes, total - written, sound.size() - at});
        out.write(sound.constData() + at, bytes);
        written += bytes;
        next += pause * bytes / kFragmentBytes;
        std::this_thread::sleep_until(next);
    }
    // What the device's save does: the header written, the file renamed.
    out.seek(0);
    out.write(WaveHeader(total));
    out.close();
    const QString wave = dir.filePath(QStringLiteral("Recorded_101226120000.tmp"));
    QFile::rename(capture, wave);

    QElapsedTimer timer;
    timer.start();
    const QString liveResult =
        WAVToMP3(library, {}).CompleteLiveMP3(live, wave, dir.filePath(QStringLiteral("live.mp3")), false);
    const double liveMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const QString afterResult =
        WAVToMP3(library, {}).CreateWAVtoMP3(wave, dir.filePath(QStringLiteral("after.mp3")), false);
    const double afterMs = double(timer.nsecsElapsed()) / 1e6;
    if (!liveResult.isEmpty() || !afterResult.isEmpty()) {
        std::fprintf(stderr, "failed: %s / %s\n", qPrintable(liveResult), qPrintable(afterResult));
        return 1;
    }
    QFile a(dir.filePath(QStringLiteral("live.mp3"))), b(dir.filePath(QStringLiteral("after.mp3")));
    const bool same =
        a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll();
    const double seconds = minutes * 60;
    std::printf(
        "%6.1f min at %4.0fx: Stop->MP3 %8.1f ms live, %9.1f ms converting after Stop (%.0fx faster); "
        "encoder CPU %.2f %% of one core; files %s\n",
        minutes, speed, liveMs, afterMs, afterMs / liveMs, 100 * live.CpuSeconds() / seconds,
        same ? "identical" : "DIFFER");
    return same ? 0 : 1;
}
