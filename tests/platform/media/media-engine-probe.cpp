// Helper of tst_media_engine_missing: reports, on one line, whether the media engine starts and
// whether a media player control can be created, the way the player finds out at start-up.

#include "platform/media/media-player-control.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    std::printf("%s ", platform::media::MediaPlayerControl::engineAvailable() ? "available" : "unavailable");
    try {
        platform::media::MediaPlayerControl control;
        std::printf("created\n");
    } catch (const platform::media::EngineUnavailable &) {
        std::printf("refused\n");
    }
    return 0;
}
