#include "player/FrmMessage.h"

#include "assets/message-layout.h"
#include "common/error-handling.h"
#include "common/settings-store.h"
#include "platform/shell/shell.h"
#include "platform/ui/error-box.h"
#include "platform/ui/message-box.h"
#include "player/links.h"
#include "player/picture-box.h"
#include "player/skins/builtin-skin.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

using common::kApplication;
namespace layout = skinart::message;

namespace {

QLabel *Link(QWidget *parent, const QString &text, const QString &tooltip, const QRect &place) {
    auto *label =
        new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#dece8c\">%1</a>").arg(text), parent);
    label->setGeometry(place);
    label->setToolTip(tooltip);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

FrmMessage::FrmMessage(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Recording"));
    PicMessage = new PictureBox(this);
    PicMessage->setPicture(player::BuiltInImage(QStringLiteral("Message.jpg")));
    PicMessage->installEventFilter(this);
    setFixedSize(PicMessage->size());

    ImgOpen = Link(this, QStringLiteral("Open the recording control"),
                   QStringLiteral("Click to open the Recording Control Window"), layout::kOpenLink);
    ImgEmail = Link(
        this, QStringLiteral("Questions? Write to ") + QString::fromLatin1(player::links::kSupportAddress),
        QStringLiteral("Click to send an email to me."), layout::kSupportLine);
    ChkShow = new QCheckBox(QStringLiteral("Do not show this message again"), this);
    ChkShow->setGeometry(layout::kDoNotShow);
    ChkShow->setStyleSheet(QStringLiteral("color:#dece8c"));
    PicClose = new PictureBox(this);
    PicClose->setPicture(player::BuiltInImage(QStringLiteral("Exit.jpg")));
    PicClose->move(layout::kClose.topLeft());
    PicClose->setToolTip(QStringLiteral("Close"));

    connect(ImgOpen, &QLabel::linkActivated, this, [this] { ImgOpen_Click(); });
    connect(ImgEmail, &QLabel::linkActivated, this, [this] { ImgEmail_Click(); });
    connect(PicClose, &PictureBox::Click, this, [this] { PicClose_Click(); });
}

bool FrmMessage::ShowAtStartUp() {
    return common::GetSetting(kApplication, QStringLiteral("Message"), QStringLiteral("Show")) !=
           QLatin1String("1");
}

bool FrmMessage::eventFilter(QObject *watched, QEvent *event) {
    // The face is the window's caption: pressing on it drags the window.
    if (watched == PicMessage && event->type() == QEvent::MouseButtonPress)
        m_drag.press(*this, static_cast<QMouseEvent &>(*event));
    else if (watched == PicMessage && event->type() == QEvent::MouseMove)
        m_drag.move(*this, static_cast<QMouseEvent &>(*event));
    return QWidget::eventFilter(watched, event);
}

void FrmMessage::ImgOpen_Click() {
    ui::RunShowingErrors([] {
        if (!platform::shell::StartProgram(QStringLiteral("pavucontrol"), {QStringLiteral("--tab=2")}))
            ui::MessageBox(
                QStringLiteral("The recording control (PulseAudio Volume Control) is not installed.\r\n"
                               "Please install the package \"pavucontrol\" and try again."),
                ui::Icon::Information, ui::Buttons::OkOnly, ui::kErrorTitle);
    });
}

void FrmMessage::ImgEmail_Click() {
    ui::RunShowingErrors(
        [] { platform::shell::OpenWithShell(QString::fromLatin1(player::links::kSupportMail)); });
}

void FrmMessage::PicClose_Click() { close(); }

void FrmMessage::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void FrmMessage::closeEvent(QCloseEvent *event) {
    common::SkipOnError([this] {
        common::SaveSetting(kApplication, QStringLiteral("Message"), QStringLiteral("Show"),
                            ChkShow->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    });
    QWidget::closeEvent(event);
}
