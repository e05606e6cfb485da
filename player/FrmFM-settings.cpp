// The settings panel: shown and hidden by the Settings button; its close button saves the recording
// rate, the news choice and address, and the skin, then has the window reloaded so they take effect.
// Saving reports nothing but a headline address that cannot be read: a step that fails is skipped.

#include "common/error-handling.h"
#include "common/settings-store.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/news/headline-source.h"
#include "player/picture-box.h"
#include "player/record-settings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

using common::kApplication;
using common::SkipOnError;

void FrmFM::CreateSettingsPanel() {
    connect(PicSettings, &PictureBox::Click, this, [this] { PicSettings_Click(); });
    connect(PicOK, &PictureBox::Click, this, [this] { PicOK_Click(); });
}

void FrmFM::PicSettings_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        PicSettingsBox->setVisible(PicSettingsBox->isHidden());
        PicSettingsBox->raise();
    });
}

void FrmFM::PicOK_Click() {
    ModOthers::UnhookHover();
    SkipOnError([] { QCoreApplication::processEvents(); });
    SkipOnError([this] { PicSettingsBox->hide(); });
    SkipOnError([this] {
        for (int index = 0; index < int(OptSampleRate.size()); ++index) {
            if (OptSampleRate[index]->isChecked()) {
                player::RecordSettingID = static_cast<std::int16_t>(index);
                player::RecordSettingValue = OptSampleRate[index]->text();
            }
        }
    });
    SkipOnError([] {
        common::SaveSetting(kApplication, QStringLiteral("Record"), QStringLiteral("SettingID"),
                            QString::number(player::RecordSettingID).trimmed());
    });
    SkipOnError([] {
        common::SaveSetting(kApplication, QStringLiteral("Record"), QStringLiteral("SettingValue"),
                            player::RecordSettingValue.trimmed());
    });
    SkipOnError([this] { SaveRecordMode(); });
    SkipOnError([this] {
        common::SaveSetting(kApplication, QStringLiteral("News"), QStringLiteral("Show"),
                            ChkNews->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    });
    SkipOnError([this] { SaveHeadlineUrl(); });
    SkipOnError([this] {
        QListWidgetItem *selected = LstSkins->currentItem();
        common::SaveSetting(kApplication, QStringLiteral("Skin"), QStringLiteral("Current"),
                            selected != nullptr && selected->isSelected() ? selected->text() : QString());
    });
    // The reloaded window starts its own headline fetch; this one only shows or hides the ticker.
    SkipOnError([this] {
        if (ChkNews->isChecked())
            ShowHeadlines();
        else
            NoHeadlines();
    });
    // A recording is saved before the window goes; the Record action that runs it then reloads.
    if (Tag == kRecordStarted) {
        m_reloadAfterRecording = true;
        FinishRecording();
        return;
    }
    emit ReloadRequested();
}

void FrmFM::SaveHeadlineUrl() {
    const QString url = TxtNewsUrl->text().trimmed();
    if (url == StoredHeadlineUrl())
        return;
    // An empty field goes back to the player's own feed.
    if (!url.isEmpty() && !news::HeadlineFetchFor(url)) {
        ui::MessageBox(QStringLiteral("\"%1\" is not an address the news can be read from: it must start "
                                      "with http:// or https:// and name a server.\r\nThe headline address "
                                      "was not changed.")
                           .arg(url),
                       ui::Icon::Exclamation, ui::Buttons::OkOnly, ui::kErrorTitle);
        TxtNewsUrl->setText(StoredHeadlineUrl());
        return;
    }
    common::SaveSetting(kApplication, QStringLiteral("News"), QStringLiteral("URL"), url);
}
