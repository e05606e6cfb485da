// The smallest libVLC program that plays a stream: one instance with the control's network caching
// and audio output, one media player, no window. The peer the media player control is measured
// against. Usage: minimal-vlc-player URL SECONDS
// Threads: libVLC's event thread signals the main thread through a condition variable.

#include "process-usage.h"

#include <vlc/vlc.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

std::mutex g_mutex;
std::condition_variable g_changed;
bool g_playing = false;

void OnPlaying(const libvlc_event_t *, void *) {
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_playing = true;
    g_changed.notify_all();
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s URL SECONDS\n", argv[0]);
        return 2;
    }
    const char *const arguments[] = {"--quiet", "--aout=pulse", "--network-caching=1000"};
    libvlc_instance_t *vlc = libvlc_new(3, arguments);
    if (vlc == nullptr)
        return 1;
    libvlc_media_player_t *player = libvlc_media_player_new(vlc);
    libvlc_event_attach(libvlc_media_player_event_manager(player), libvlc_MediaPlayerPlaying, OnPlaying,
                        nullptr);
    libvlc_media_t *media = libvlc_media_new_location(vlc, argv[1]);
    libvlc_media_player_set_media(player, media);

    const auto start = std::chrono::steady_clock::now();
    libvlc_media_player_play(player);
    {
        std::unique_lock<std::mutex> lock(g_mutex);
        if (!g_changed.wait_for(lock, std::chrono::seconds(30), [] { return g_playing; }))
            return 1;
    }
    const double playingAfterMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ProcessUsage usage;
    usage.start();
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(argv[2])));
    usage.print(playingAfterMs);

    libvlc_media_player_stop(player);
    libvlc_media_release(media);
    libvlc_media_player_release(player);
    libvlc_release(vlc);
    return 0;
}
