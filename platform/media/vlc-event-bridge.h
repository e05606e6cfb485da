#pragma once
// Carries a libVLC media player's events from libVLC's threads to the GUI thread.
//
// Threads: libVLC calls the event callback on its own threads; the callback only posts the event
// type with the current generation to this object's thread (the GUI thread), where `event` is
// emitted. Everything else runs on the GUI thread.

#include <QObject>
#include <atomic>

struct libvlc_media_player_t;
struct libvlc_media_t;
struct libvlc_event_t;

namespace platform::media {

class VlcEventBridge : public QObject {
    Q_OBJECT
public:
    // Listens to `player`'s state events until destroyed; `player` must outlive the bridge.
    VlcEventBridge(libvlc_media_player_t *player, QObject *parent);
    ~VlcEventBridge() override;

    // Drops every event raised before this call that has not been delivered yet: called whenever
    // the owner stops the player or gives it another item, so late news of the old one is ignored.
    void nextGeneration() { ++m_generation; }

    // Listens to `media`'s metadata changes (the stream's title) instead of the last media's; none
    // with nullptr. `media` must stay alive until the next call or the bridge's end.
    void watchMedia(libvlc_media_t *media);

signals:
    // A libvlc_event_e value (Opening, Buffering, Playing, EndReached, EncounteredError, Vout,
    // ESAdded, and MediaMetaChanged of the watched media) of the current generation. GUI thread.
    void event(int type);

private:
    static void Post(const libvlc_event_t *event, void *bridge);

    libvlc_media_player_t *m_player;
    libvlc_media_t *m_media = nullptr;
    std::atomic<unsigned> m_generation{0};
};

} // namespace platform::media
