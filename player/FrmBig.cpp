#include "player/FrmBig.h"

#include "common/units.h"
#include "platform/media/media-player-control.h"

#include <QEvent>

QString FrmBig::ViewMode;

FrmBig::FrmBig(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ravelto's Online Radio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(common::TwipsToPixels(5700), common::TwipsToPixels(5040));
    WM = new platform::media::MediaPlayerControl(this);
    WM->setUiMode(QStringLiteral("full"));
    WM->setVolume(50);
    WM->setAutoStart(true);
    WM->setStretchToFit(false);
    WM->setEnableContextMenu(false);
    WM->setEnableErrorDialogs(false);
}

void FrmBig::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && ViewMode == QLatin1String("FULL"))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void FrmBig::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    WM->setGeometry(rect());
}
