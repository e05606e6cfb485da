// Playback: Play and Stop, the tray's Stop/Play item, the control's events, the icon flicker, the
// clip of the first Play, the volume bar and the enlarged video views.

#include "common/error-handling.h"
#include "common/settings-store.h"
#include "common/units.h"
#include "platform/mci/mci.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmBig.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/ModOthers.h"
#include "player/ModSysTray.h"
#include "player/picture-box.h"
#include "player/recording/ModRecorder.h"
#include "player/skins/builtin-skin.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFrame>
#include <QMenu>
#include <QTimer>
#include <random>

using common::kApplication;
using platform::media::MediaPlayerControl;

namespace {

constexpr int kPlaying = 3;
constexpr int kMediaEnded = 8;
constexpr int kReady = 10;
// The volume bar shows inside the holder at the lower height and is pushed out of view at the higher.
constexpr int kHeightWithVolumeBar = 2100;
constexpr int kHeightWithoutVolumeBar = 2760;

const QString kStationUnavailable = QStringLiteral(
    "Sorry this station is not available at the moment. It could be because of any of the below given "
    "reasons\r\n"
    "1) You are not connected to the internet.\r\n"
    "2) You are behind an internet firewall which prevents listening to internet radio.\r\n"
    "3) Radio Server is down for maintenance or has shut down or does not play at this hour.\r\n\r\n"
    "Please try listening to it some other time or if you wish, you can remove this station from the list.");

} // namespace

void FrmFM::CreateMediaControl() {
    WM = new MediaPlayerControl(PicHolder);
    WM->setGeometry(0, 0, common::TwipsToPixels(2700), common::TwipsToPixels(kHeightWithoutVolumeBar));
    WM->setUiMode(QStringLiteral("mini"));
    WM->setVolume(100);
    WM->setAutoStart(true);
    WM->setStretchToFit(true);
    WM->setEnableContextMenu(false);
    WM->setEnableErrorDialogs(false);
    connect(WM, &MediaPlayerControl::StatusChange, this, [this] { WM_StatusChange(); });
    connect(WM, &MediaPlayerControl::MouseDown, this,
            [this](int button, int, int, int) { WM_MouseDown(button); });

    TmrFlash = new QTimer(this);
    TmrFlash->setInterval(200);
    connect(TmrFlash, &QTimer::timeout, this, [this] { TmrFlash_Timer(); });
    for (int frame = 0; frame < 5; ++frame)
        Flash[frame] = QIcon(QStringLiteral(":/builtin-skin/Flash%1.png").arg(frame));
    Flash[6] = QIcon(QStringLiteral(":/builtin-skin/Tunelark.png"));

    mnuView = new QMenu(QStringLiteral("View"), this);
    MnuSize = mnuView->addMenu(QStringLiteral("Video Size"));
    mnu200 = MnuSize->addAction(QStringLiteral("200%"));
    mnuFull = MnuSize->addAction(QStringLiteral("Full Screen"));
    mnuVolumeCtrl = mnuView->addMenu(QStringLiteral("Volume Control"));
    mnuShowVol = mnuVolumeCtrl->addAction(QStringLiteral("Show"));
    connect(mnu200, &QAction::triggered, this, [this] { mnu200_Click(); });
    connect(mnuFull, &QAction::triggered, this, [this] { mnuFull_Click(); });
    connect(mnuShowVol, &QAction::triggered, this, [this] { mnuShowVol_Click(); });

    connect(PicPlay, &PictureBox::Click, this, [this] { PicPlay_Click(); });
    connect(PicStop, &PictureBox::Click, this, [this] { PicStop_Click(); });
    connect(MnuPause, &QAction::triggered, this, [this] { MnuPause_Click(); });
    connect(LstStations, &QListWidget::itemDoubleClicked, this, [this] { LstStations_DblClick(); });
}

bool FrmFM::IsPlaying() const { return WM->playState() == kPlaying; }

void FrmFM::PlayName() {
    // The three command strings are sent whatever each answers: a clip that cannot play is skipped.
    platform::mci::mciSendString(QStringLiteral("close CURRFILE"));
    platform::mci::mciSendString(QStringLiteral("open ") +
                                 ModRecorder::GetShortPath(m_programFolder + QStringLiteral("/Process.dll")) +
                                 QStringLiteral(" type MPEGVideo alias CURRFILE"));
    platform::mci::mciSendString(QStringLiteral("play CURRFILE"));
}

void FrmFM::PicPlay_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        if (!ModOthers::ClipPlayed)
            PlayName();
        PicMess->hide();
        QCoreApplication::processEvents();
        StopReconnecting();
        m_onAir = false;
        StationPlaying = true;
        WM->close();
        const int index = LstStations->currentRow();
        if (index < 0 || index >= StationURLs.size())
            throw common::RuntimeError::fromNumber(common::ErrSubscriptOutOfRange, QStringLiteral("FrmFM"));
        WM->setURL(StationURLs[index]);
        ModOthers::CurrentStationName = LstStations->item(index)->text().trimmed();
        ModOthers::ClipPlayed = true;
    });
}

void FrmFM::LstStations_DblClick() {
    if (LstStations->currentRow() >= 0)
        PicPlay_Click();
}

void FrmFM::PicStop_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        StopReconnecting();
        WM->close();
        QCoreApplication::processEvents();
        StationPlaying = false;
        PicMess->show();
        FinishRecording();
        QCoreApplication::processEvents();
    });
}

void FrmFM::MnuPause_Click() {
    if (WM->playState() == kPlaying || Reconnecting()) {
        StopReconnecting();
        WM->controls().stop();
        MnuPause->setText(QStringLiteral("Play"));
    } else {
        WM->controls().play();
        MnuPause->setText(QStringLiteral("Stop"));
    }
    WM_StatusChange();
}

void FrmFM::WM_StatusChange() {
    const int state = WM->playState();
    if (state == kPlaying) {
        m_onAir = true;
        StopReconnecting();
        TmrFlash->start();
        return;
    }
    // Stopping on its own after playing, or failing to come back during the retries.
    const bool failed = state == kReady && WM->Error().errorCount() > 0;
    if (StationPlaying && ((state == kMediaEnded && m_onAir) || (failed && Reconnecting()))) {
        TmrFlash->stop();
        setWindowIcon(Flash[6]);
        StationDropped();
        return;
    }
    if (state == kReady) {
        if (!failed)
            return;
        TmrFlash->stop();
        if (StationPlaying)
            ShowStationUnavailable();
        StationPlaying = false;
        WM->Error().clearErrorQueue();
        return;
    }
    TmrFlash->stop();
    setWindowIcon(Flash[6]);
    common::SkipOnError([this] { ModSysTray::SetTrayIcon(*this, ModSysTray::Modify); });
}

void FrmFM::ShowStationUnavailable() {
    common::SkipOnError([] {
        ui::MessageBox(kStationUnavailable, ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
    });
}

void FrmFM::TmrFlash_Timer() {
    ui::RunShowingErrors([this] {
        std::mt19937 generator(std::random_device{}());
        setWindowIcon(Flash[std::uniform_int_distribution<int>(0, 4)(generator)]);
        ModSysTray::SetTrayIcon(*this, ModSysTray::Modify);
    });
}

void FrmFM::WM_MouseDown(int button) {
    if (button == 2)
        mnuView->popup(QCursor::pos());
}

void FrmFM::GetVolumeControlSettings() {
    common::SkipOnError([this] {
        const bool show = common::GetSetting(kApplication, QStringLiteral("VolumeControl"),
                                             QStringLiteral("Show")) == QLatin1String("1");
        WM->resize(WM->width(), common::TwipsToPixels(show ? kHeightWithVolumeBar : kHeightWithoutVolumeBar));
        mnuShowVol->setText(show ? QStringLiteral("Hide") : QStringLiteral("Show"));
    });
}

void FrmFM::mnuShowVol_Click() {
    ui::RunShowingErrors([this] {
        const bool show = WM->height() == common::TwipsToPixels(kHeightWithoutVolumeBar);
        WM->resize(WM->width(), common::TwipsToPixels(show ? kHeightWithVolumeBar : kHeightWithoutVolumeBar));
        mnuShowVol->setText(show ? QStringLiteral("Hide") : QStringLiteral("Show"));
        common::SaveSetting(kApplication, QStringLiteral("VolumeControl"), QStringLiteral("Show"),
                            show ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void FrmFM::OpenBigView(const QString &mode) {
    ui::RunShowingErrors([&] {
        auto *view = new FrmBig(this);
        view->WM->setURL(WM->URL());
        WM->controls().stop();
        FrmBig::ViewMode = mode;
        view->exec();
        WM->controls().play();
    });
}

void FrmFM::mnu200_Click() { OpenBigView(QStringLiteral("200")); }
void FrmFM::mnuFull_Click() { OpenBigView(QStringLiteral("FULL")); }
