// The picture buttons' rollover images and help texts, and the help line's credit caption with its
// link.

#include "platform/shell/shell.h"
#include "platform/ui/error-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/custom-pointer.h"
#include "player/links.h"
#include "player/picture-box.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {

const QString kCreditTooltip = QStringLiteral("Click to visit my Personal Website");

} // namespace

void FrmFM::CreateRollover() {
    const struct {
        PictureBox *button;
        const char *help;
        PictureBox *twin;
    } buttons[] = {
        {PicPlay, "Click to Start Playing.", PicPlayRoll},
        {PicStop, "Click to Stop Playing.", PicStopRoll},
        {PicRecord, "Record it to a MP3 file.", PicRecordRoll},
        {PicRecordStop, "Click to Stop the Recording", PicRecordStopRoll},
        {PicSettings, "Click to Change the Settings.", PicSettingsRoll},
        {PicAdvanceRec, "Open Advance Sound Recorder.", PicAdvanceRecRoll},
        {PicAbout, "About the Developer.", PicAboutRoll},
        {PicUp, "Click && Hold to Scroll Up.", PicUpRoll},
        {PicDown, "Click && Hold to Scroll Down.", PicDownRoll},
        {PicMin, "Minimize the application.", PicMinRoll},
        {PicClose, "Close the application.", PicCloseRoll},
        {PicOK, "Click to Save && Close the Settings.", PicOKRoll},
        {PicCloseW, "Close", PicCloseWRoll},
    };
    for (const auto &[button, help, twin] : buttons) {
        button->setMouseTracking(true);
        button->setCursor(player::CustomPointer());
        connect(button, &PictureBox::MouseMove, this,
                [button = button, twin = twin, text = QString::fromLatin1(help)] {
                    ui::RunShowingErrors([&] {
                        ModOthers::UnhookHover();
                        ModOthers::HookHover(button, text, button, twin);
                    });
                });
    }
    for (QWidget *choice : std::initializer_list<QWidget *>{ChkNews, LblShowNews})
        choice->setCursor(player::CustomPointer());
    for (QRadioButton *option : OptSampleRate)
        option->setCursor(player::CustomPointer());
    for (QRadioButton *option : {OptRecordCard, OptRecordSongs})
        option->setCursor(player::CustomPointer());
    ShowCreditCaption();
    connect(LblMessage, &PictureBox::Click, this, [this] { LblMessage_Click(); });
}

void FrmFM::ShowCreditCaption() {
    LblMessage->setText(kCreditCaption);
    LblMessage->setCursor(player::CustomPointer());
    LblMessage->setToolTip(kCreditTooltip);
}

void FrmFM::LblMessage_Click() {
    ui::RunShowingErrors([this] {
        if (LblMessage->text() == kCreditCaption)
            platform::shell::OpenWithShell(QString::fromLatin1(player::links::kDeveloperPage));
    });
}
