#include "player/ModOthers.h"

#include "platform/media/media-player-control.h"
#include "platform/process/stop-requests.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/FrmMessage.h"

#include <QCoreApplication>

namespace ModOthers {

QString CurrentStationName;
bool ClipPlayed = false;

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

// A logout, `kill` or Ctrl+C in the terminal ends the player as its own Close does, so a recording in
// progress is saved first. One watcher for the run: each window takes it over from the one it replaces.
platform::process::StopRequests &StopRequests() {
    static auto *requests = new platform::process::StopRequests(QCoreApplication::instance());
    return *requests;
}

// A main window, loaded; when its settings are saved, it is unloaded and a new one loaded in its place.
FrmFM *LoadPlayerWindow() {
    auto *window = new FrmFM(ProgramFolder());
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(&StopRequests(), &platform::process::StopRequests::stopRequested, window,
                     &FrmFM::EndOnRequest);
    QObject::connect(window, &FrmFM::ReloadRequested, window, [window] {
        QObject::disconnect(&StopRequests(), nullptr, window, nullptr);
        // Unloading closes the media player, which ends playback.
        window->WM->close();
        const QPoint place = window->pos();
        FrmFM *reloaded = LoadPlayerWindow();
        reloaded->move(place);
        reloaded->show();
        window->hide();
        window->deleteLater();
    });
    window->Form_Load();
    return window;
}

} // namespace

FrmFM *StartPlayer() {
    if (!platform::media::MediaPlayerControl::engineAvailable()) {
        ShowMediaEngineMissing();
        ui::EndProgram(1);
        return nullptr;
    }
    FrmFM *window = LoadPlayerWindow();
    window->show();
    window->KeepInterruptedRecordings();
    // A window of its own, not the main window's: a settings reload must not take it away unseen.
    if (FrmMessage::ShowAtStartUp()) {
        auto *hint = new FrmMessage;
        hint->setAttribute(Qt::WA_DeleteOnClose);
        hint->setAttribute(Qt::WA_QuitOnClose, false); // closing it while the player is in the tray
        hint->show();
    }
    return window;
}

} // namespace ModOthers
