#include "platform/media/vlc-player.h"

#include "platform/media/media-address.h"
#include "platform/media/stream-title.h"
#include "platform/media/vlc-engine.h"
#include "platform/media/vlc-event-bridge.h"

#include <vlc/vlc.h>

#include <QFile>
#include <algorithm>

namespace platform::media {

namespace {

// Bounds for a playlist walk: playlists nest, may name themselves, and come from servers.
constexpr size_t kMaxPlaylistDepth = 8;
constexpr int kMaxItemsPerRequest = 64;
constexpr int kDefaultOpenTimeLimitMs = 20000;

QString Refused(const QString &address) {
    return QStringLiteral("\"%1\" is neither a network stream nor a local file, so it is not played.")
        .arg(address);
}

} // namespace

VlcPlayer::VlcPlayer(std::shared_ptr<libvlc_instance_t> engine, QObject *parent)
    : QObject(parent), m_engine(std::move(engine)), m_player(libvlc_media_player_new(m_engine.get())) {
    if (m_player == nullptr)
        throw EngineUnavailable();
    // Clicks and keys over the video belong to the control, not to libVLC's video window.
    libvlc_video_set_mouse_input(m_player, false);
    libvlc_video_set_key_input(m_player, false);
    m_bridge = new VlcEventBridge(m_player, this);
    connect(m_bridge, &VlcEventBridge::event, this, &VlcPlayer::onEvent);
    m_openLimit.setSingleShot(true);
    m_openLimit.setInterval(kDefaultOpenTimeLimitMs);
    connect(&m_openLimit, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("\"%1\" gave no answer within %2 seconds.")
                 .arg(m_address)
                 .arg(m_openLimit.interval() / 1000.0));
    });
}

VlcPlayer::~VlcPlayer() {
    delete m_bridge; // no more events from here on
    m_bridge = nullptr;
    releaseWalk();
    libvlc_media_player_release(m_player); // stops playing
}

void VlcPlayer::open(const QString &address, int networkCachingMs) {
    stop();
    m_address = address;
    m_networkCachingMs = networkCachingMs;
    const CheckedAddress checked = CheckAddress(address);
    libvlc_media_t *root = nullptr;
    if (checked.kind == CheckedAddress::Kind::Network)
        root = libvlc_media_new_location(m_engine.get(), address.toUtf8().constData());
    else if (checked.kind == CheckedAddress::Kind::LocalFile)
        root = libvlc_media_new_path(m_engine.get(), QFile::encodeName(checked.localPath).constData());
    if (root == nullptr) {
        // Reported from the event loop, as libVLC reports its failures.
        QMetaObject::invokeMethod(
            this,
            [this, request = m_request] {
                if (request == m_request)
                    fail(Refused(m_address));
            },
            Qt::QueuedConnection);
        return;
    }
    emit transitioning();
    playItem(root);
    libvlc_media_release(root);
}

void VlcPlayer::stop() {
    ++m_request;
    m_openLimit.stop();
    libvlc_media_player_stop(m_player);
    prepareAudioOutput();
    m_bridge->nextGeneration();
    releaseWalk();
    m_itemsOpened = 0;
    m_playedInRequest = false;
    m_nowPlaying.clear();
}

void VlcPlayer::prepareAudioOutput() {
    // Stopping takes the audio output down, and the one libVLC makes when the next stream starts
    // plays at full volume until it is told otherwise: make it now, with the volume. PulseAudio
    // (also PipeWire's) first; where no server answers, ALSA.
    for (const char *output : {"pulse", "alsa"})
        if (libvlc_audio_output_set(m_player, output) == 0 &&
            libvlc_audio_set_volume(m_player, m_volume) == 0)
            return;
}

void VlcPlayer::setVolume(int volume) {
    m_volume = volume;
    libvlc_audio_set_volume(m_player, volume);
}

void VlcPlayer::setVideoWindow(WId window) {
    m_window = window;
    libvlc_media_player_set_xwindow(m_player, static_cast<uint32_t>(window));
}

void VlcPlayer::setVideoScale(float scale) { libvlc_video_set_scale(m_player, scale); }

QSize VlcPlayer::videoSize() const {
    unsigned width = 0, height = 0;
    if (libvlc_video_get_size(m_player, 0, &width, &height) != 0)
        return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

qint64 VlcPlayer::time() const { return std::max<qint64>(0, libvlc_media_player_get_time(m_player)); }

void VlcPlayer::onEvent(int type) {
    switch (type) {
    case libvlc_MediaPlayerOpening:
        emit transitioning();
        break;
    case libvlc_MediaPlayerBuffering:
        // A playlist being read buffers too; only a stream with sound or picture counts.
        if (!m_reportedBuffering && !m_reportedPlaying && hasTracks()) {
            m_reportedBuffering = true;
            emit buffering();
        }
        break;
    case libvlc_MediaPlayerPlaying:
    case libvlc_MediaPlayerESAdded:
        onPlayingOrTrack();
        break;
    case libvlc_MediaPlayerEndReached:
        onEndReached();
        break;
    case libvlc_MediaPlayerEncounteredError:
        fail(QStringLiteral("\"%1\" could not be opened.").arg(m_address));
        break;
    case libvlc_MediaPlayerVout:
        emit videoChanged();
        break;
    case libvlc_MediaMetaChanged:
        onMetaChanged();
        break;
    }
}

bool VlcPlayer::hasTracks() const {
    return libvlc_audio_get_track_count(m_player) > 0 || libvlc_video_get_track_count(m_player) > 0;
}

void VlcPlayer::onPlayingOrTrack() {
    // libVLC says "playing" for a playlist while it reads it; that plays nothing yet.
    if (m_reportedPlaying || libvlc_media_player_get_state(m_player) != libvlc_Playing || !hasTracks())
        return;
    m_reportedPlaying = true;
    m_playedInRequest = true;
    m_openLimit.stop();
    emit playing();
}

void VlcPlayer::onMetaChanged() {
    if (m_current == nullptr)
        return;
    const auto meta = [this](libvlc_meta_t which) {
        char *text = libvlc_media_get_meta(m_current, which);
        const QString value = QString::fromUtf8(text);
        libvlc_free(text);
        return value;
    };
    const QString title =
        StreamTitleFromMeta(meta(libvlc_meta_NowPlaying), meta(libvlc_meta_Artist), meta(libvlc_meta_Title));
    if (title == m_nowPlaying)
        return;
    m_nowPlaying = title;
    emit nowPlayingChanged(title);
}

void VlcPlayer::onEndReached() {
    if (m_current == nullptr)
        return;
    m_openLimit.stop();
    // Descend into the items the current item turned out to hold, or else go on with the next item
    // at the deepest level that has one left.
    libvlc_media_list_t *items = libvlc_media_subitems(m_current);
    libvlc_media_list_lock(items);
    const int count = libvlc_media_list_count(items);
    libvlc_media_list_unlock(items);
    if (count > 0) {
        if (m_walk.size() >= kMaxPlaylistDepth) {
            libvlc_media_list_release(items);
            fail(QStringLiteral("The playlists of \"%1\" nest too deeply.").arg(m_address));
            return;
        }
        m_walk.push_back({items, 0});
    } else {
        libvlc_media_list_release(items);
        while (!m_walk.empty()) {
            Level &level = m_walk.back();
            libvlc_media_list_lock(level.items);
            const bool more = ++level.index < libvlc_media_list_count(level.items);
            libvlc_media_list_unlock(level.items);
            if (more)
                break;
            libvlc_media_list_release(level.items);
            m_walk.pop_back();
        }
    }
    if (m_walk.empty()) {
        if (m_playedInRequest) {
            emit ended();
            return;
        }
        fail(QStringLiteral("\"%1\" holds nothing that plays.").arg(m_address));
        return;
    }
    const Level &level = m_walk.back();
    libvlc_media_list_lock(level.items);
    libvlc_media_t *next = libvlc_media_list_item_at_index(level.items, level.index);
    libvlc_media_list_unlock(level.items);
    emit transitioning();
    playItem(next);
    libvlc_media_release(next);
}

void VlcPlayer::playItem(libvlc_media_t *media) {
    if (++m_itemsOpened > kMaxItemsPerRequest) {
        fail(QStringLiteral("The playlists of \"%1\" name too many items.").arg(m_address));
        return;
    }
    char *mrl = libvlc_media_get_mrl(media);
    const QString address = QString::fromUtf8(mrl);
    libvlc_free(mrl);
    if (CheckAddress(address).kind == CheckedAddress::Kind::Refused) {
        fail(Refused(address));
        return;
    }
    const QByteArray caching = ":network-caching=" + QByteArray::number(m_networkCachingMs);
    libvlc_media_add_option(media, caching.constData());
    if (m_window == 0)
        libvlc_media_add_option(media, ":no-video");
    libvlc_media_retain(media);
    m_bridge->watchMedia(media); // before the last media may go
    if (m_current != nullptr)
        libvlc_media_release(m_current);
    m_current = media;
    libvlc_media_player_set_media(m_player, media);
    m_bridge->nextGeneration();
    m_reportedPlaying = m_reportedBuffering = false;
    m_openLimit.start();
    libvlc_media_player_play(m_player);
}

void VlcPlayer::fail(const QString &reason) {
    stop();
    emit failed(reason);
}

void VlcPlayer::releaseWalk() {
    if (m_bridge != nullptr)
        m_bridge->watchMedia(nullptr);
    for (const Level &level : m_walk)
        libvlc_media_list_release(level.items);
    m_walk.clear();
    if (m_current != nullptr)
        libvlc_media_release(m_current);
    m_current = nullptr;
    m_reportedPlaying = m_reportedBuffering = false;
}

} // namespace platform::media
