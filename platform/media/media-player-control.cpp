#include "platform/media/media-player-control.h"

#include "platform/media/video-surface.h"
#include "platform/media/vlc-player.h"
#include "platform/ui/message-box.h"

#include <QMouseEvent>
#include <algorithm>

namespace platform::media {

namespace {

constexpr int kElapsedTickMs = 500;
// Bounds for TUNELARK_OPEN_TIMEOUT_MS: a limit of ten minutes is no limit for a listener.
constexpr int kMaxOpenTimeLimitMs = 600000;

struct UiModeName {
    ControlBar::Mode mode;
    const char *name;
};
constexpr UiModeName kUiModes[] = {
    {ControlBar::Mode::Mini, "mini"}, {ControlBar::Mode::Full, "full"}, {ControlBar::Mode::None, "none"}};

std::shared_ptr<libvlc_instance_t> RequireEngine() {
    std::shared_ptr<libvlc_instance_t> engine = SharedEngine();
    if (engine == nullptr)
        throw EngineUnavailable();
    return engine;
}

} // namespace

MediaPlayerControl::MediaPlayerControl(QWidget *parent)
    : QWidget(parent), m_player(new VlcPlayer(RequireEngine(), this)), m_video(new VideoSurface(this)),
      m_bar(new ControlBar(this)) {
    bool valid = false;
    const int limit = qEnvironmentVariableIntValue("TUNELARK_OPEN_TIMEOUT_MS", &valid);
    if (valid && limit > 0 && limit <= kMaxOpenTimeLimitMs)
        setOpenTimeLimit(limit);

    m_player->setVideoWindow(m_video->videoWindow());
    m_bar->setMode(m_uiMode);
    m_bar->setVolume(m_volume);
    m_elapsedClock.setInterval(kElapsedTickMs);

    connect(m_player, &VlcPlayer::transitioning, this, [this] { setPlayState(Transitioning); });
    connect(m_player, &VlcPlayer::buffering, this, [this] { setPlayState(Buffering); });
    connect(m_player, &VlcPlayer::playing, this, [this] { setPlayState(Playing); });
    connect(m_player, &VlcPlayer::ended, this, [this] { setPlayState(MediaEnded); });
    connect(m_player, &VlcPlayer::failed, this, &MediaPlayerControl::onFailed);
    connect(m_player, &VlcPlayer::videoChanged, this, &MediaPlayerControl::updateVideoScale);
    connect(m_player, &VlcPlayer::nowPlayingChanged, this, &MediaPlayerControl::setNowPlaying);
    connect(m_bar, &ControlBar::volumeMoved, this, &MediaPlayerControl::setVolume);
    connect(m_bar, &ControlBar::playClicked, this, [this] { m_controls.play(); });
    connect(m_bar, &ControlBar::stopClicked, this, [this] { m_controls.stop(); });
    connect(&m_elapsedClock, &QTimer::timeout, this, [this] { m_bar->setElapsed(m_player->time()); });
}

MediaPlayerControl::~MediaPlayerControl() = default;

bool MediaPlayerControl::engineAvailable() { return EngineAvailable(); }

void MediaPlayerControl::setURL(const QString &url) {
    m_url = url;
    if (m_autoStart && !url.isEmpty()) {
        open();
        return;
    }
    stopPlayer();
    setPlayState(Ready);
}

void MediaPlayerControl::close() {
    stopPlayer();
    // A stream that was open stops before the control is ready again, so listeners see it end.
    if (m_playState != Ready)
        setPlayState(Stopped);
    setPlayState(Ready);
}

void MediaPlayerControl::Controls::play() {
    switch (m_control.m_playState) {
    case Playing:
    case Buffering:
    case Transitioning:
        return;
    default:
        if (!m_control.m_url.isEmpty())
            m_control.open();
    }
}

void MediaPlayerControl::Controls::stop() {
    if (m_control.m_playState == Ready)
        return;
    m_control.stopPlayer();
    m_control.setPlayState(Stopped);
}

void MediaPlayerControl::open() {
    setNowPlaying(QString());
    setPlayState(Transitioning);
    m_player->open(m_url, m_networkCachingMs);
    m_video->update(); // libVLC's picture went with the stream it stopped
}

void MediaPlayerControl::stopPlayer() {
    m_player->stop();
    setNowPlaying(QString());
    m_video->update(); // libVLC leaves its last picture behind
}

void MediaPlayerControl::setPlayState(PlayState state) {
    if (state == m_playState)
        return;
    m_playState = state;
    m_bar->setElapsed(0);
    updateElapsedClock();
    emit StatusChange();
}

void MediaPlayerControl::setNowPlaying(const QString &title) {
    if (title == m_nowPlaying)
        return;
    m_nowPlaying = title;
    emit NowPlayingChange();
}

void MediaPlayerControl::updateElapsedClock() {
    // Only the full bar shows the time.
    if (m_playState == Playing && m_uiMode == ControlBar::Mode::Full)
        m_elapsedClock.start();
    else
        m_elapsedClock.stop();
}

void MediaPlayerControl::onFailed(const QString &reason) {
    setNowPlaying(QString());
    ++m_errors.m_count;
    // Raised even when the state was Ready already (a refused address right after another
    // failure): each failure is news.
    m_playState = Ready;
    updateElapsedClock();
    emit StatusChange();
    if (m_enableErrorDialogs)
        ui::MessageBox(reason, ui::Icon::Critical, ui::Buttons::OkOnly, tr("Media player"));
}

QString MediaPlayerControl::uiMode() const {
    for (const UiModeName &entry : kUiModes)
        if (entry.mode == m_uiMode)
            return QString::fromLatin1(entry.name);
    return {};
}

void MediaPlayerControl::setUiMode(const QString &mode) {
    for (const UiModeName &entry : kUiModes) {
        if (mode.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            m_uiMode = entry.mode;
            m_bar->setMode(m_uiMode);
            layOut();
            updateElapsedClock();
            return;
        }
    }
}

void MediaPlayerControl::setVolume(int volume) {
    const int previous = m_volume;
    m_volume = std::clamp(volume, 0, 100);
    m_bar->setVolume(m_volume);
    m_player->setVolume(m_volume);
    if (m_volume != previous)
        emit VolumeChange();
}

void MediaPlayerControl::setStretchToFit(bool stretch) {
    m_stretchToFit = stretch;
    updateVideoScale();
}

int MediaPlayerControl::openTimeLimit() const { return m_player->openTimeLimit(); }

void MediaPlayerControl::setOpenTimeLimit(int milliseconds) { m_player->setOpenTimeLimit(milliseconds); }

void MediaPlayerControl::resizeEvent(QResizeEvent *) {
    layOut();
    updateVideoScale();
}

void MediaPlayerControl::mousePressEvent(QMouseEvent *event) {
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                      (modifiers & Qt::AltModifier ? 4 : 0);
    const QPoint at = event->position().toPoint();
    emit MouseDown(button, shift, at.x(), at.y());
}

void MediaPlayerControl::layOut() {
    // The bar sits on the bottom edge, so a holder that shows only the top of the control hides it.
    const int barHeight = std::min(height(), ControlBar::heightFor(m_uiMode));
    m_video->setGeometry(0, 0, width(), height() - barHeight);
    m_bar->setGeometry(0, height() - barHeight, width(), barHeight);
}

void MediaPlayerControl::updateVideoScale() {
    const QSize video = m_player->videoSize();
    const bool fits =
        !video.isEmpty() && video.width() <= m_video->width() && video.height() <= m_video->height();
    m_player->setVideoScale(!m_stretchToFit && fits ? 1.0f : 0.0f);
}

} // namespace platform::media
