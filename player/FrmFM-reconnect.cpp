// Staying on air: a station that was playing and stops on its own (the connection drops, the server
// restarts, the stream ends) is opened again on the reconnect policy's timetable.

#include "common/error-handling.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/ModSysTray.h"
#include "player/picture-box.h"

#include <QLabel>
#include <QTimer>

void FrmFM::CreateReconnect() {
    TmrReconnect = new QTimer(this);
    TmrReconnect->setSingleShot(true);
    connect(TmrReconnect, &QTimer::timeout, this, [this] { TmrReconnect_Timer(); });
}

void FrmFM::StationDropped() {
    if (!Reconnecting()) {
        m_reconnectUrl = WM->URL();
        Reconnect.start();
    }
    WM->Error().clearErrorQueue();
    ScheduleReconnect();
}

void FrmFM::ScheduleReconnect() {
    const std::optional<int> delay = Reconnect.nextDelayMs();
    if (!delay) {
        StopReconnecting();
        ShowStationUnavailable();
        StationPlaying = false;
        return;
    }
    TmrReconnect->start(*delay);
    // While a recording runs, the help line is the recording's.
    if (Tag != kRecordStarted) {
        LblNews->hide();
        LblMessage->setText(kReconnecting);
    }
    common::SkipOnError([this] { ModSysTray::SetTrayIcon(*this, ModSysTray::Modify); });
}

void FrmFM::TmrReconnect_Timer() {
    ui::RunShowingErrors([this] { WM->setURL(m_reconnectUrl); });
}

void FrmFM::StopReconnecting() {
    if (!Reconnecting())
        return;
    Reconnect.stop();
    TmrReconnect->stop();
    if (Tag != kRecordStarted)
        ShowRestingHelpLine();
    common::SkipOnError([this] { ModSysTray::SetTrayIcon(*this, ModSysTray::Modify); });
}
