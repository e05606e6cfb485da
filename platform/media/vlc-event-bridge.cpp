#include "platform/media/vlc-event-bridge.h"

#include <vlc/vlc.h>

namespace platform::media {

namespace {

// Stopped is left out: the owner stops the player itself and knows it. Buffering comes many times a
// second while the cache fills; the owner needs only the first.
constexpr libvlc_event_e kEvents[] = {libvlc_MediaPlayerOpening,          libvlc_MediaPlayerBuffering,
                                      libvlc_MediaPlayerPlaying,          libvlc_MediaPlayerEndReached,
                                      libvlc_MediaPlayerEncounteredError, libvlc_MediaPlayerVout,
                                      libvlc_MediaPlayerESAdded};

} // namespace

VlcEventBridge::VlcEventBridge(libvlc_media_player_t *player, QObject *parent)
    : QObject(parent), m_player(player) {
    libvlc_event_manager_t *events = libvlc_media_player_event_manager(m_player);
    for (libvlc_event_e type : kEvents)
        libvlc_event_attach(events, type, &VlcEventBridge::Post, this);
}

VlcEventBridge::~VlcEventBridge() {
    // Detaching waits for a callback that is running; events already posted die with this object.
    watchMedia(nullptr);
    libvlc_event_manager_t *events = libvlc_media_player_event_manager(m_player);
    for (libvlc_event_e type : kEvents)
        libvlc_event_detach(events, type, &VlcEventBridge::Post, this);
}

void VlcEventBridge::watchMedia(libvlc_media_t *media) {
    if (m_media != nullptr)
        libvlc_event_detach(libvlc_media_event_manager(m_media), libvlc_MediaMetaChanged, &VlcEventBridge::Post,
                            this);
    m_media = media;
    if (m_media != nullptr)
        libvlc_event_attach(libvlc_media_event_manager(m_media), libvlc_MediaMetaChanged, &VlcEventBridge::Post,
                            this);
}

void VlcEventBridge::Post(const libvlc_event_t *event, void *data) {
    auto *bridge = static_cast<VlcEventBridge *>(data);
    const int type = event->type;
    const unsigned generation = bridge->m_generation.load();
    QMetaObject::invokeMethod(
        bridge,
        [bridge, type, generation] {
            if (generation == bridge->m_generation.load())
                emit bridge->event(type);
        },
        Qt::QueuedConnection);
}

} // namespace platform::media
