#pragma once
// The media player control: plays a stream address inside a window and reports its state, with
// exactly the members the player and its video view use, named as they name them. Backed by libVLC
// (VlcPlayer); the video is drawn inside the control, with an optional bar along its bottom edge.
//
// Threads: GUI thread only. libVLC's own threads never touch this object; their news arrives
// through the event loop, so StatusChange is always raised on the GUI thread.

#include "platform/media/control-bar.h"
#include "platform/media/vlc-engine.h"

#include <QString>
#include <QTimer>
#include <QWidget>

namespace platform::media {

class VideoSurface;
class VlcPlayer;

class MediaPlayerControl : public QWidget {
    Q_OBJECT
public:
    // The control's play states, in its own numbering. This control never pauses and never waits
    // for a server between opening and buffering, so Paused and Waiting do not occur.
    enum PlayState {
        Stopped = 1,
        Paused = 2,
        Playing = 3,
        Buffering = 6,
        Waiting = 7,
        MediaEnded = 8,
        Transitioning = 9,
        Ready = 10 // nothing open; also the state after a failed open
    };

    // `controls`: play and stop the current address without changing it.
    class Controls {
    public:
        // Plays the current address from its start unless it is playing or opening already.
        void play();
        // Stops playing; the address stays. Does nothing while nothing is open.
        void stop();

    private:
        friend class MediaPlayerControl;
        explicit Controls(MediaPlayerControl &control) : m_control(control) {}
        MediaPlayerControl &m_control;
    };

    // `Error`: one entry per failed request, until the queue is cleared.
    class ErrorQueue {
    public:
        int errorCount() const { return m_count; }
        void clearErrorQueue() { m_count = 0; }

    private:
        friend class MediaPlayerControl;
        int m_count = 0;
    };

    // `settings`: invokeURLs lets the media open web pages it names. libVLC raises no such events,
    // so the value is only kept.
    class Settings {
    public:
        bool invokeURLs() const { return m_invokeURLs; }
        void setInvokeURLs(bool invoke) { m_invokeURLs = invoke; }

    private:
        bool m_invokeURLs = true;
    };

    // Throws EngineUnavailable when libVLC cannot start.
    explicit MediaPlayerControl(QWidget *parent = nullptr);
    ~MediaPlayerControl() override;

    // Whether the control can be created here (libVLC starts).
    static bool engineAvailable();

    // The address to play. Setting it stops what plays; with autoStart the new address is opened
    // and played, an empty one leaves the control ready with nothing open. Addresses other than
    // network streams and local files fail like an unreachable station.
    QString URL() const { return m_url; }
    void setURL(const QString &url);
    // Stops and releases the current stream; the address stays for controls().play().
    void close();
    // One of PlayState.
    int playState() const { return m_playState; }
    // The title the station sends with its stream for what plays now, on one line; empty while it
    // sends none and whenever nothing plays.
    QString NowPlaying() const { return m_nowPlaying; }

    Controls &controls() { return m_controls; }
    ErrorQueue &Error() { return m_errors; }
    Settings &settings() { return m_settings; }

    // "mini", "full" or "none"; other texts are ignored.
    QString uiMode() const;
    void setUiMode(const QString &mode);
    // 0 to 100; values outside are clamped.
    int volume() const { return m_volume; }
    void setVolume(int volume);
    bool autoStart() const { return m_autoStart; }
    void setAutoStart(bool autoStart) { m_autoStart = autoStart; }
    // True: the video is scaled to fill the control (keeping its proportions). False: it is shown
    // at its own size, and scaled down only where it would not fit.
    bool stretchToFit() const { return m_stretchToFit; }
    void setStretchToFit(bool stretch);
    // The control has no menu of its own: a right-click is reported through MouseDown either way.
    bool enableContextMenu() const { return m_enableContextMenu; }
    void setEnableContextMenu(bool enable) { m_enableContextMenu = enable; }
    // True: each failure is also shown in a message box of the control's own.
    bool enableErrorDialogs() const { return m_enableErrorDialogs; }
    void setEnableErrorDialogs(bool enable) { m_enableErrorDialogs = enable; }

    // How long an address may take from opening to playing before it counts as failed: 20 s, or
    // TUNELARK_OPEN_TIMEOUT_MS from the environment when that holds a number of milliseconds.
    int openTimeLimit() const;
    void setOpenTimeLimit(int milliseconds);
    // Network cache for the next addresses opened, in milliseconds (1000 by default).
    int networkCaching() const { return m_networkCachingMs; }
    void setNetworkCaching(int milliseconds) { m_networkCachingMs = milliseconds; }

signals:
    // The play state changed, or a request failed (then playState is Ready and Error().errorCount()
    // has grown by one).
    void StatusChange();
    // NowPlaying() changed.
    void NowPlayingChange();
    // volume() changed, by the volume bar or by setVolume.
    void VolumeChange();
    // A mouse button went down over the control: `button` 1 left, 2 right, 4 middle; `shift` adds 1
    // for Shift, 2 for Ctrl, 4 for Alt; x and y in pixels from the control's top-left corner.
    void MouseDown(int button, int shift, int x, int y);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void open();
    void stopPlayer();
    void setPlayState(PlayState state);
    void setNowPlaying(const QString &title);
    void updateElapsedClock();
    void onFailed(const QString &reason);
    void layOut();
    void updateVideoScale();

    Controls m_controls{*this};
    ErrorQueue m_errors;
    Settings m_settings;
    VlcPlayer *m_player;
    VideoSurface *m_video;
    ControlBar *m_bar;
    QTimer m_elapsedClock;
    QString m_url;
    QString m_nowPlaying;
    PlayState m_playState = Ready;
    ControlBar::Mode m_uiMode = ControlBar::Mode::Full;
    int m_volume = 100;
    int m_networkCachingMs = 1000;
    bool m_autoStart = true;
    bool m_stretchToFit = false;
    bool m_enableContextMenu = true;
    bool m_enableErrorDialogs = false;
};

} // namespace platform::media
