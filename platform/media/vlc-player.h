#pragma once
// The libVLC engine under one media player control: opens an address, walks the playlists it turns
// out to be (ASX, M3U, PLS, also from an address without a playlist extension) item by item, and
// reports progress as signals. Each address and each playlist item is checked before libVLC opens it
// (libVLC's own list player starts the next item before anyone hears of it, so the walk is done
// here; what libVLC opens by itself, such as a redirect, meets the access guard). An opening that
// has not reached "playing" within the open time limit is stopped and reported as a failure, since
// libVLC itself waits for ever on a server that accepts and never answers.
//
// Threads: libVLC works on its own threads; its events reach this object through VlcEventBridge on
// the GUI thread, where everything here runs.

#include <QObject>
#include <QSize>
#include <QTimer>
#include <memory>
#include <qwindowdefs.h>
#include <vector>

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_t;
struct libvlc_media_list_t;

namespace platform::media {

class VlcEventBridge;

class VlcPlayer : public QObject {
    Q_OBJECT
public:
    // Throws EngineUnavailable when libVLC cannot create a player.
    explicit VlcPlayer(std::shared_ptr<libvlc_instance_t> engine, QObject *parent = nullptr);
    ~VlcPlayer() override;

    // Stops what plays and opens `address` (network stream or local file) with `networkCachingMs` of
    // network cache. A refused address fails at once (through the `failed` signal, later in the
    // event loop, like every other failure).
    void open(const QString &address, int networkCachingMs);
    // Stops and forgets the current address, playlist position and stream title. Emits nothing, and
    // nothing of the stopped request is reported afterwards.
    void stop();

    // Time limit for each item to go from "opening" to "playing".
    void setOpenTimeLimit(int milliseconds) { m_openLimit.setInterval(milliseconds); }
    int openTimeLimit() const { return m_openLimit.interval(); }

    // 0 to 100; kept across items and stops.
    void setVolume(int volume);
    // The X11 window video is drawn into; with none (0, the default) video is not shown at all,
    // rather than in a window libVLC would open of its own.
    void setVideoWindow(WId window);
    // Video scale: 0 fits the video to the window, 1 shows it at its own size.
    void setVideoScale(float scale);
    // The current video's size in pixels; empty while no video plays.
    QSize videoSize() const;
    // Playing time of the current item in milliseconds; 0 when nothing plays.
    qint64 time() const;

signals:
    // An address or the next playlist item is being opened.
    void transitioning();
    // The stream's sound or picture is known and its cache fills (once per item).
    void buffering();
    // Sound or picture plays (a playlist being read does not count).
    void playing();
    // The last item has ended after something played.
    void ended();
    // The current request failed; `reason` is a sentence for the listener. Nothing plays afterwards.
    void failed(const QString &reason);
    // Video output came or went; videoSize() may have changed.
    void videoChanged();
    // The title the stream sends changed (see StreamTitleFromMeta); empty when it sends none now.
    void nowPlayingChanged(const QString &title);

private:
    // One level of the playlist walk: a playlist's items and the one playing or last played.
    struct Level {
        libvlc_media_list_t *items;
        int index;
    };

    void onEvent(int type);
    void onPlayingOrTrack();
    void onEndReached();
    void onMetaChanged();
    // Plays `media` (not consumed) as the next item after checking its address.
    void playItem(libvlc_media_t *media);
    void fail(const QString &reason);
    void releaseWalk();
    void prepareAudioOutput();
    bool hasTracks() const;

    std::shared_ptr<libvlc_instance_t> m_engine;
    libvlc_media_player_t *m_player = nullptr;
    VlcEventBridge *m_bridge = nullptr;
    QTimer m_openLimit;
    QString m_address;
    unsigned m_request = 0;
    int m_networkCachingMs = 1000;
    int m_volume = 100;
    WId m_window = 0;
    libvlc_media_t *m_current = nullptr;
    std::vector<Level> m_walk;
    int m_itemsOpened = 0;
    bool m_reportedPlaying = false;
    bool m_reportedBuffering = false;
    bool m_playedInRequest = false;
    QString m_nowPlaying;
};

} // namespace platform::media
