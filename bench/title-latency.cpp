// The song titles a station sends, from the server to the control: the time from a title change
// through the Icecast admin interface until the control reports it (ROUNDS changes), then the CPU
// use while playing with a new title every 10 seconds against playing with none, SECONDS each.
// Usage: title-latency ROUNDS SECONDS   (needs scripts/services/icecast.sh; see title-latency.sh);
//        title-latency --set-title TITLE sets the server's title and exits.

#include "platform/media/media-player-control.h"
#include "process-usage.h"
#include "tests/support/icecast-admin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <vector>

using platform::media::MediaPlayerControl;

namespace {

// Runs the event loop until `done` holds (checked whenever `control` reports) or `timeoutMs` passes.
bool WaitFor(MediaPlayerControl &control, const std::function<bool()> &done, int timeoutMs) {
    QEventLoop loop;
    for (auto signal : {&MediaPlayerControl::StatusChange, &MediaPlayerControl::NowPlayingChange})
        QObject::connect(&control, signal, &loop, [&] {
            if (done())
                loop.quit();
        });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

// CPU % (100 = one core) over `seconds` of playing, with a new title every 10 s when `titles`.
double CpuWhilePlaying(int seconds, bool titles) {
    ProcessUsage usage;
    usage.start();
    QEventLoop loop;
    QTimer changes;
    int change = 0;
    // From a process of its own, so the admin request's work is not counted as the player's.
    QObject::connect(&changes, &QTimer::timeout, &loop, [&] {
        QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                {QStringLiteral("--set-title"), QStringLiteral("Load Artist - Song %1").arg(++change)});
    });
    if (titles)
        changes.start(10000);
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return usage.cpuPercent();
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--set-title"))
        return SetIcecastTitle(arguments.at(1)).isEmpty() ? 0 : 1;
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: title-latency ROUNDS SECONDS\n");
        return 2;
    }
    MediaPlayerControl control;
    control.setUiMode(QStringLiteral("mini"));
    control.resize(180, 140);
    control.show();
    control.setURL(qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL"));
    if (!WaitFor(control, [&] { return control.playState() == MediaPlayerControl::Playing; }, 20000)) {
        std::fprintf(stderr, "the stream did not play\n");
        return 1;
    }
    std::vector<double> latencies;
    for (int round = 0; round < arguments.at(0).toInt(); ++round) {
        const QString title = QStringLiteral("Bench Artist - Song %1").arg(round);
        QElapsedTimer clock;
        clock.start();
        if (!SetIcecastTitle(title).isEmpty() || !WaitFor(control, [&] { return control.NowPlaying() == title; }, 20000)) {
            std::fprintf(stderr, "title %d did not arrive\n", round);
            return 1;
        }
        latencies.push_back(clock.nsecsElapsed() / 1e6);
        std::printf("title %d after %.0f ms\n", round, latencies.back());
    }
    std::sort(latencies.begin(), latencies.end());
    const size_t n = latencies.size();
    std::printf("median_ms=%.0f\n", n % 2 ? latencies[n / 2] : (latencies[n / 2 - 1] + latencies[n / 2]) / 2);
    const int seconds = arguments.at(1).toInt();
    const double withTitles = CpuWhilePlaying(seconds, true);
    const double without = CpuWhilePlaying(seconds, false);
    std::printf("cpu_percent_with_titles=%.2f cpu_percent_without=%.2f ratio=%.2f\n", withTitles, without,
                without > 0 ? withTitles / without : 0.0);
    return 0;
}
