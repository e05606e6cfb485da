#include "player/FrmFM.h"

#include "common/error-handling.h"
#include "common/settings-store.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/companion-files.h"
#include "player/picture-box.h"
#include "player/record-settings.h"
#include "player/recording/live-encoder.h"
#include "player/skins/SkinForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>

using common::kApplication;

FrmFM::FrmFM(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_programFolder(programFolder) {
    setWindowTitle(QStringLiteral("Ravelto's Online Radio"));
    setWindowIcon(QIcon(QStringLiteral(":/builtin-skin/Tunelark.png")));
    CreateElements();
    CreateAboutPanel();
    CreateMenus();
    CreateMediaControl();
    CreateNowPlaying();
    CreateReconnect();
    CreateRecording();
    CreateNews();
    CreateSettingsPanel();
    CreateRollover();
    ConnectHandlers();
    CreateDesktopControls();
}

FrmFM::~FrmFM() {
    // The elements go after the window's own members: their last signals (the station list cleared, the
    // media control closed) must not reach handlers that use those members.
    for (QObject *element : findChildren<QObject *>())
        element->disconnect(this);
}

void FrmFM::Form_Load() {
    ui::RunShowingErrors([this] {
        QCoreApplication::processEvents();
        common::SaveSetting(kApplication, QStringLiteral("Install"), QStringLiteral("Location"),
                            m_programFolder);
        GetAvailableSkins();
        std::int32_t key = 0;
        SkinForm::ApplyWindowShape(*this, *BackPic, key);
        GetVolumeControlSettings();

        if (const auto missing = player::FirstMissingCompanionFile(m_programFolder)) {
            ui::MessageBox(player::MissingCompanionFileMessage(m_programFolder, *missing),
                           ui::Icon::Exclamation, ui::Buttons::OkOnly, ui::kErrorTitle);
            ui::EndProgram(1);
            return;
        }

        LoadStations();
        LoadDefaultStations();

        StartNews();

        QString settingId;
        QString settingValue;
        common::SkipOnError([this] {
            if (LstStations->count() > 0)
                SetListIndex(0);
        });
        common::SkipOnError([this] { WM->setStretchToFit(true); });
        // Script commands in a stream must not open web pages.
        common::SkipOnError([this] { WM->settings().setInvokeURLs(false); });
        common::SkipOnError([&] {
            settingId =
                common::GetSetting(kApplication, QStringLiteral("Record"), QStringLiteral("SettingID"));
        });
        common::SkipOnError([&] {
            settingValue =
                common::GetSetting(kApplication, QStringLiteral("Record"), QStringLiteral("SettingValue"));
        });
        common::SkipOnError([this] { RestoreRecordMode(); });

        player::RestoreRecordSettings(settingId, settingValue);
        if (player::RecordSettingID < 0 || player::RecordSettingID >= int(OptSampleRate.size()))
            throw common::RuntimeError(
                340, QStringLiteral("Control array element '%1' doesn't exist").arg(player::RecordSettingID),
                QStringLiteral("FrmFM"));
        OptSampleRate[player::RecordSettingID]->setChecked(true);
    });
}
