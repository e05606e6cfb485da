#include "player/ModSysTray.h"

#include "platform/media/media-player-control.h"
#include "platform/tray/tray-icon.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"

namespace ModSysTray {

QString TrayTip(bool playing, const QString &stationName, const QString &title) {
    if (!playing)
        return QStringLiteral("Ravelto's Online Radio");
    const QString tip = QStringLiteral("Ravelto's Online Radio is Playing : ") + stationName;
    return title.isEmpty() ? tip : tip + QStringLiteral(" — ") + title;
}

void SetTrayIcon(FrmFM &window, TrayAction action) {
    window.Tray->Set(platform::tray::TrayIcon::Action(action), window.windowIcon(),
                     TrayTip(window.IsPlaying() || window.Reconnecting(), ModOthers::CurrentStationName,
                             window.Reconnecting() ? FrmFM::kReconnecting : window.WM->NowPlaying()));
}

} // namespace ModSysTray
