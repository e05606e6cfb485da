// The media player control as the main window holds it (mini bar, 180 x 140 pixels, shown),
// playing a stream; or, with --window-only, just a window of that size, to tell what the window
// costs. Usage: media-control-player [--window-only] URL SECONDS

#include "platform/media/media-player-control.h"
#include "process-usage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

using platform::media::MediaPlayerControl;

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool windowOnly = arguments.removeAll(QStringLiteral("--window-only")) > 0;
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: media-control-player [--window-only] URL SECONDS\n");
        return 2;
    }
    const int seconds = arguments.at(1).toInt();

    QElapsedTimer clock;
    ProcessUsage usage;
    double playingAfterMs = 0;
    const auto measure = [&] {
        usage.start();
        QTimer::singleShot(seconds * 1000, &application, [&] {
            usage.print(playingAfterMs);
            application.quit();
        });
    };

    std::unique_ptr<QWidget> window;
    if (windowOnly) {
        window = std::make_unique<QWidget>();
        window->resize(180, 140);
        window->show();
        measure();
    } else {
        auto *control = new MediaPlayerControl;
        window.reset(control);
        control->setUiMode(QStringLiteral("mini"));
        control->resize(180, 140);
        control->show();
        QObject::connect(control, &MediaPlayerControl::StatusChange, control, [&, control] {
            if (control->playState() == MediaPlayerControl::Playing && playingAfterMs == 0) {
                playingAfterMs = clock.nsecsElapsed() / 1e6;
                measure();
            } else if (control->playState() == MediaPlayerControl::Ready) {
                application.exit(1);
            }
        });
        clock.start();
        control->setURL(arguments.at(0));
    }
    return application.exec();
}
