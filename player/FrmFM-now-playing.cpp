// Now playing: the title the station sends, shown across the top of the display area and in the
// tray's tooltip, and kept in the song history that the View menu shows.

#include "common/error-handling.h"
#include "platform/media/media-player-control.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"
#include "player/ModSysTray.h"
#include "player/now-playing/now-playing-line.h"
#include "player/now-playing/song-history-dialog.h"

#include <QFrame>
#include <QMenu>

using platform::media::MediaPlayerControl;

void FrmFM::CreateNowPlaying() {
    LblNowPlaying = new now_playing::NowPlayingLine(PicHolder);
    LblNowPlaying->setFont(PanelFont());
    LblNowPlaying->setGeometry(0, 0, PicHolder->width(), LblNowPlaying->fontMetrics().height() + 4);
    LblNowPlaying->raise();
    History.load();
    mnuHistory = mnuView->addAction(QStringLiteral("Song History"));
    connect(mnuHistory, &QAction::triggered, this, [this] { mnuHistory_Click(); });
    connect(WM, &MediaPlayerControl::NowPlayingChange, this, [this] { WM_NowPlayingChange(); });
}

void FrmFM::WM_NowPlayingChange() {
    const QString title = WM->NowPlaying();
    LblNowPlaying->setText(title);
    common::SkipOnError([this] { ModSysTray::SetTrayIcon(*this, ModSysTray::Modify); });
    if (title.isEmpty())
        return;
    // A history that cannot be saved still shows what was heard in this run.
    History.add({QDateTime::currentDateTime(), ModOthers::CurrentStationName, title});
    if (HistoryWindow != nullptr)
        HistoryWindow->refresh();
}

void FrmFM::mnuHistory_Click() {
    if (HistoryWindow == nullptr)
        HistoryWindow = new now_playing::SongHistoryDialog(History, this);
    HistoryWindow->refresh();
    HistoryWindow->show();
    HistoryWindow->raise();
    HistoryWindow->activateWindow();
}
