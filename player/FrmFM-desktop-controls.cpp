// The desktop's media controls (MPRIS): media keys and sound menus play and stop the station, move
// through the list and set the volume; they show the station, the song and whether it plays.

#include "platform/dbus/mpris.h"
#include "platform/media/media-player-control.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"
#include "player/now-playing/artist-title.h"

#include <QAbstractItemModel>

using platform::media::MediaPlayerControl;

void FrmFM::CreateDesktopControls() {
    platform::dbus::Mpris::Hooks hooks;
    hooks.raise = [this] { mnuShow_Click(); };
    hooks.quit = [this] { mnuClose_Click(); };
    hooks.play = [this] {
        if (!StationPlaying)
            PlayFromDesktop();
    };
    hooks.pause = hooks.stop = [this] {
        if (StationPlaying || Reconnecting())
            PicStop_Click();
    };
    hooks.playPause = [this] { StationPlaying ? PicStop_Click() : PlayFromDesktop(); };
    hooks.next = [this] { PlayNeighbour(1); };
    hooks.previous = [this] { PlayNeighbour(-1); };
    hooks.setVolume = [this](int volume) { WM->setVolume(volume); };
    DesktopControls = new platform::dbus::Mpris(hooks, kDesktopEntry, this);

    connect(WM, &MediaPlayerControl::StatusChange, this, [this] { UpdateDesktopControls(); });
    connect(WM, &MediaPlayerControl::NowPlayingChange, this, [this] { UpdateDesktopControls(); });
    connect(WM, &MediaPlayerControl::VolumeChange, this, [this] { UpdateDesktopControls(); });
    QAbstractItemModel *stations = LstStations->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(stations, signal, this, [this] { UpdateDesktopControls(); });
    connect(stations, &QAbstractItemModel::modelReset, this, [this] { UpdateDesktopControls(); });
}

void FrmFM::PlayFromDesktop() {
    if (LstStations->count() == 0)
        return;
    if (LstStations->currentRow() < 0)
        SetListIndex(0);
    PicPlay_Click();
}

void FrmFM::PlayNeighbour(int step) {
    const int count = LstStations->count();
    if (count == 0)
        return;
    SetListIndex(((std::max(LstStations->currentRow(), 0) + step) % count + count) % count);
    PicPlay_Click();
}

void FrmFM::UpdateDesktopControls() {
    const bool onAir = StationPlaying && WM->playState() != MediaPlayerControl::Ready;
    DesktopControls->setPlaybackStatus(onAir || Reconnecting() ? QStringLiteral("Playing")
                                                               : QStringLiteral("Stopped"));
    const QString station = StationPlaying ? ModOthers::CurrentStationName : QString();
    const now_playing::ArtistTitle song = now_playing::SplitArtistTitle(WM->NowPlaying());
    const QString title = song.title.isEmpty() ? station : song.title;
    if (title != m_desktopTitle || station != m_desktopStation)
        ++m_desktopTrack;
    m_desktopTitle = title;
    m_desktopStation = station;
    DesktopControls->setMetadata(m_desktopTrack, title, song.artist, station);
    DesktopControls->setVolume(WM->volume());
    DesktopControls->setCanGo(LstStations->count() > 0);
}
