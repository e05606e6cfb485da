#include "platform/media/vlc-engine.h"

#include "platform/media/vlc-access-guard.h"

#include <vlc/vlc.h>

#include <iterator>

namespace platform::media {

std::shared_ptr<libvlc_instance_t> SharedEngine() {
    static std::weak_ptr<libvlc_instance_t> shared;
    if (std::shared_ptr<libvlc_instance_t> engine = shared.lock())
        return engine;
    // Titles over the video and libVLC's console messages are not ours to show. PulseAudio is
    // preferred; libVLC falls back to another output where it is absent. Video goes only to
    // outputs that draw into our window: the fallbacks that open windows or terminals of their
    // own (ASCII art, frame buffer) are left out.
    const char *const arguments[] = {"--quiet",       "--no-video-title-show", "--aout=pulse",
                                     "--network-caching=1000", "--vout=gl,xcb_xv,xcb_x11,none",
                                     "--no-stats",    "--no-snapshot-preview", "--no-osd"};
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
