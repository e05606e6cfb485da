// Now playing: the title the station sends, shown across the top of the display area and in the
// tray's tooltip, kept in the song history that the View menu shows, and, when the listener asks for
// it, shown as a desktop notification while the window is out of sight.

#include "common/error-handling.h"
#include "common/settings-store.h"
#include "platform/dbus/desktop-notifications.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"
#include "player/ModSysTray.h"
#include "player/now-playing/now-playing-line.h"
#include "player/now-playing/song-history-dialog.h"

#include <QFrame>
#include <QMenu>

using common::kApplication;
using platform::media::MediaPlayerControl;

namespace {

const QString kSection = QStringLiteral("NowPlaying");
const QString kNotify = QStringLiteral("Notify");

} // namespace

void FrmFM::CreateNowPlaying() {
    LblNowPlaying = new now_playing::NowPlayingLine(PicHolder);
    LblNowPlaying->setFont(PanelFont());
    LblNowPlaying->setGeometry(0, 0, PicHolder->width(), LblNowPlaying->fontMetrics().height() + 4);
    LblNowPlaying->raise();
    History.load();
    mnuHistory = mnuView->addAction(QStringLiteral("Song History"));
    connect(mnuHistory, &QAction::triggered, this, [this] { mnuHistory_Click(); });
    mnuNotify = mnuView->addAction(QStringLiteral("Song Notifications"));
    mnuNotify->setCheckable(true);
    common::SkipOnError([this] {
        mnuNotify->setChecked(common::GetSetting(kApplication, kSection, kNotify) == QLatin1String("1"));
    });
    connect(mnuNotify, &QAction::triggered, this, [this] { mnuNotify_Click(); });
    SongNotices = new platform::dbus::DesktopNotifications(QStringLiteral("Tunelark"), kDesktopEntry, this);
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
    if (mnuNotify->isChecked() && (!isVisible() || isMinimized()))
        SongNotices->notify(ModOthers::CurrentStationName, title);
}

void FrmFM::mnuHistory_Click() {
    if (HistoryWindow == nullptr)
        HistoryWindow = new now_playing::SongHistoryDialog(History, this);
    HistoryWindow->refresh();
    HistoryWindow->show();
    HistoryWindow->raise();
    HistoryWindow->activateWindow();
}

void FrmFM::mnuNotify_Click() {
    ui::RunShowingErrors([this] {
        common::SaveSetting(kApplication, kSection, kNotify,
                            mnuNotify->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    });
}
