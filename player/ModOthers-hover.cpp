#include "player/ModOthers-hover.h"

#include "player/FrmFM.h"
#include "player/custom-pointer.h"
#include "player/news/headlines.h"
#include "player/picture-box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace ModOthers {

namespace {

// The hover hook: filters the hooked button's events as its window procedure would.
class HoverHook : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hover();
    void leave();

    QPointer<QObject> hookedWindow;
    bool installed = false;
    QString helpText;
    QPointer<PictureBox> normal;
    QPointer<PictureBox> rollover;
    bool hovering = false;
    QPointer<PictureBox> lastSwapped;
    // Armed by TrackHover: one hover notice, one leave notice.
    bool hoverArmed = false;
    bool leaveArmed = false;
    QTimer hoverTime;
};

QEvent::Type HoverNotice() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

HoverHook &Hook() {
    static HoverHook *hook = [] {
        auto *created = new HoverHook;
        created->hoverTime.setSingleShot(true);
        created->hoverTime.setInterval(1);
        // The hover notice: sent to the hooked button while the pointer is still on it.
        QObject::connect(&created->hoverTime, &QTimer::timeout, created, [created] {
            if (created->hoverArmed && created->normal && created->normal->underMouse()) {
                created->hoverArmed = false;
                QEvent notice(HoverNotice());
                QCoreApplication::sendEvent(created->normal, &notice);
            }
        });
        return created;
    }();
    return *hook;
}

FrmFM *MainWindow(PictureBox *element) {
    return element ? qobject_cast<FrmFM *>(element->window()) : nullptr;
}

bool HoverHook::eventFilter(QObject *watched, QEvent *event) { return HoverWindowProc(watched, event); }

void HoverHook::hover() {
    FrmFM *window = MainWindow(normal);
    if (!hovering && window != nullptr) {
        window->LblMessage->setText(news::DisplayedCaption(helpText));
        window->repaint();
        window->LblMessage->setToolTip(QString());
        window->LblMessage->unsetCursor();
        SwapPicture(normal, rollover);
    }
    hovering = true;
}

void HoverHook::leave() {
    hovering = false;
    FrmFM *window = MainWindow(normal);
    if (window == nullptr)
        return;
    window->ShowCreditCaption();
    window->repaint();
    SwapPicture(rollover, normal);
}

} // namespace

bool HoverWindowProc(QObject *window, QEvent *event) {
    HoverHook &hook = Hook();
    hook.hookedWindow = window;
    if (event->type() == HoverNotice()) {
        hook.hover();
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        TrackHover();
        return true; // the button's own mouse-move handler does not run while it is hooked
    case QEvent::Leave:
        if (hook.leaveArmed) {
            hook.leaveArmed = false;
            hook.hoverArmed = false;
            hook.leave();
        }
        return false; // passed on, as every other event
    default:
        return false;
    }
}

void HookHover(QObject *window, const QString &helpText, PictureBox *normal, PictureBox *rollover) {
    HoverHook &hook = Hook();
    window->installEventFilter(&hook);
    hook.hookedWindow = window;
    hook.installed = true;
    hook.helpText = helpText;
    hook.normal = normal;
    hook.rollover = rollover;
}

void UnhookHover() {
    HoverHook &hook = Hook();
    if (hook.installed && hook.hookedWindow)
        hook.hookedWindow->removeEventFilter(&hook);
    hook.installed = false;
}

void TrackHover() {
    HoverHook &hook = Hook();
    hook.hoverArmed = true;
    hook.leaveArmed = true;
    hook.hoverTime.start();
}

void SwapPicture(PictureBox *target, PictureBox *source) {
    HoverHook &hook = Hook();
    FrmFM *window = MainWindow(target);
    if (window == nullptr || source == nullptr)
        return;
    PictureBox *temp = window->PicTemp;
    if (hook.lastSwapped && !hook.lastSwapped->picture().isNull() && !temp->picture().isNull())
        hook.lastSwapped->setPicture(temp->picture());
    temp->setPicture(target->picture());
    target->setPicture(source->picture());
    hook.lastSwapped = target;
}

bool Hovering() { return Hook().hovering; }

} // namespace ModOthers
