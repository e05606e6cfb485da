#include "player/ModOthers.h"

#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/FrmMessage.h"

#include <QCoreApplication>

namespace ModOthers {

QString CurrentStationName;

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

namespace {

// Said when the media engine cannot start, before any window opens.
void ShowMediaEngineMissing() {
    ui::MessageBox(
        QStringLiteral(
            "The VLC media engine (libVLC version 3 or above) was not found on your machine. This "
            "application needs the VLC media engine on your machine. Please install it and then run "
            "this application.\r\n\r\nNote : The VLC media engine is freely available for download "
            "on the internet and in the packages of your system (libvlc5, vlc-plugin-base)."
            "\r\n\r\nDownload Link :\r\nhttps://www.videolan.org/vlc/libvlc.html"),
        ui::Icon::Critical, ui::Buttons::OkOnly,
        QStringLiteral("VLC media engine version 3 or above not found !"));
}

} // namespace

FrmFM *StartPlayer() {
    if (!platform::media::MediaPlayerControl::engineAvailable()) {
        ShowMediaEngineMissing();
        ui::EndProgram(1);
        return nullptr;
    }
    auto *window = new FrmFM(ProgramFolder());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    if (FrmMessage::ShowAtStartUp()) {
        auto *hint = new FrmMessage(window);
        hint->setAttribute(Qt::WA_DeleteOnClose);
        hint->show();
    }
    return window;
}

} // namespace ModOthers
