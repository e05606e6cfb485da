#include "platform/media/vlc-engine.h"

#include "platform/media/vlc-access-guard.h"

#include <vlc/vlc.h>

#include <iterator>

namespace platform::media {

EngineUnavailable::EngineUnavailable()
    : std::runtime_error("libVLC, the media engine, cannot start: it or its plugins are missing") {}

std::shared_ptr<libvlc_instance_t> SharedEngine() {
    static std::weak_ptr<libvlc_instance_t> shared;
    if (std::shared_ptr<libvlc_instance_t> engine = shared.lock())
        return engine;
    // Titles and messages over the video, libVLC's console messages and its statistics are not ours
    // to show or keep. PulseAudio is preferred; libVLC falls back to another output where it is
    // absent. Video is drawn with the X11 outputs, not OpenGL: on machines without a graphics driver
    // (virtual machines, Xvfb) Mesa's software EGL crashes as libVLC sets it up, and a station's
    // small picture needs no GPU.
    const char *const arguments[] = {
        "--quiet",   "--no-video-title-show", "--aout=pulse", "--network-caching=1000",
        "--gl=none", "--gles2=none",          "--no-stats",   "--no-osd"};
    libvlc_instance_t *instance = libvlc_new(static_cast<int>(std::size(arguments)), arguments);
    if (instance == nullptr)
        return nullptr;
    InstallAccessGuard(instance);
    std::shared_ptr<libvlc_instance_t> engine(instance, libvlc_release);
    shared = engine;
    return engine;
}

bool EngineAvailable() { return SharedEngine() != nullptr; }

} // namespace platform::media
