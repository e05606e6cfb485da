#include "player/ModSysTray.h"

#include "platform/tray/tray-icon.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"

namespace ModSysTray {

QString TrayTip(bool playing, const QString &stationName) {
    return playing ? QStringLiteral("Ravelto's Online Radio is Playing : ") + stationName
                   : QStringLiteral("Ravelto's Online Radio");
}

void SetTrayIcon(FrmFM &window, TrayAction action) {
    window.Tray->Set(platform::tray::TrayIcon::Action(action), window.windowIcon(),
                     TrayTip(window.IsPlaying(), ModOthers::CurrentStationName));
}

} // namespace ModSysTray
