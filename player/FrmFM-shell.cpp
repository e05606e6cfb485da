// The window's shell: dragging, the tray, the tray menu, the About panel and its links, closing.

#include "common/error-handling.h"
#include "platform/media/media-player-control.h"
#include "platform/shell/shell.h"
#include "platform/tray/tray-icon.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/ModSysTray.h"
#include "player/links.h"
#include "player/picture-box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

void FrmFM::CreateMenus() {
    RCPopup = new QMenu(this);
    mnuShow = RCPopup->addAction(QStringLiteral("Open"));
    MnuPause = RCPopup->addAction(QStringLiteral("Stop"));
    mnusep = RCPopup->addSeparator();
    mnuClose = RCPopup->addAction(QStringLiteral("Close"));
    connect(mnuShow, &QAction::triggered, this, [this] { mnuShow_Click(); });
    connect(mnuClose, &QAction::triggered, this, [this] { mnuClose_Click(); });

    Tray = new platform::tray::TrayIcon(this);
    Tray->setMenu(RCPopup);
    connect(Tray, &platform::tray::TrayIcon::DoubleClicked, this, [this] { mnuShow_Click(); });

    connect(PicMin, &PictureBox::Click, this, [this] { PicMin_Click(); });
    connect(PicClose, &PictureBox::Click, this, [this] { PicClose_Click(); });
    connect(PicAbout, &PictureBox::Click, this, [this] { PicAbout_Click(); });
    connect(PicCloseW, &PictureBox::Click, this, [this] { PicCloseW_Click(); });
    const std::pair<QLabel *, const char *> links[] = {{ImgMail, player::links::kSupportMail},
                                                       {ImgURL, player::links::kHomePage},
                                                       {ImgFAQ, player::links::kFaqPage},
                                                       {ImgMoreSkins, player::links::kMoreSkinsPage}};
    for (const auto &[label, target] : links)
        connect(label, &QLabel::linkActivated, this, [target = QString::fromLatin1(target)] {
            ui::RunShowingErrors([&] { platform::shell::OpenWithShell(target); });
        });
}

// Clicks on elements are theirs; only the background drags.
void FrmFM::mousePressEvent(QMouseEvent *event) { m_drag.press(*this, *event); }

void FrmFM::mouseMoveEvent(QMouseEvent *event) { m_drag.move(*this, *event); }

void FrmFM::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        GoToTray();
}

void FrmFM::closeEvent(QCloseEvent *event) {
    // Closed from outside (the window manager) while recording: the recording is saved, then the
    // player ends as its own Close does.
    if (Tag == kRecordStarted) {
        event->ignore();
        Unload();
        return;
    }
    QWidget::closeEvent(event);
}

void FrmFM::GoToTray() {
    ModSysTray::SetTrayIcon(*this, ModSysTray::Add);
    hide();
}

void FrmFM::PicMin_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        GoToTray();
    });
}

void FrmFM::mnuShow_Click() {
    ui::RunShowingErrors([this] {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        activateWindow();
        raise();
        ModSysTray::SetTrayIcon(*this, ModSysTray::Delete);
    });
}

void FrmFM::mnuClose_Click() {
    ui::RunShowingErrors([this] {
        ModSysTray::SetTrayIcon(*this, ModSysTray::Delete);
        Unload();
    });
}

void FrmFM::EndOnRequest() {
    m_endingOnRequest = true;
    mnuClose_Click();
}

void FrmFM::PicClose_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        Unload();
    });
}

void FrmFM::Unload() {
    FinishRecording();
    // Unloading the window first closes the media player, which ends playback.
    WM->close();
    close();
    ui::EndProgram(0);
}

void FrmFM::PicAbout_Click() {
    ui::RunShowingErrors([this] {
        ModOthers::UnhookHover();
        PicAboutMe->show();
        PicAboutMe->raise();
    });
}

void FrmFM::PicCloseW_Click() {
    ui::RunShowingErrors([this] {
        QCoreApplication::processEvents();
        PicAboutMe->hide();
        QCoreApplication::processEvents();
    });
}
