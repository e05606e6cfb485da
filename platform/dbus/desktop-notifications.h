#pragma once
// Desktop notifications (org.freedesktop.Notifications on the session bus): a bubble with a summary
// and a body. Each notice replaces the one before it, so a run of them never piles up on the screen.
// Without a session bus or a notification server nothing is shown and nothing fails.
//
// Threads: GUI thread; the replies come through the event loop.

#include <QObject>
#include <QString>

namespace platform::dbus {

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // `application` is the name the server shows; `desktopEntry` names the desktop file without
    // ".desktop" and the icon.
    DesktopNotifications(const QString &application, const QString &desktopEntry, QObject *parent = nullptr);

    // Shows `summary` and `body` as plain text, in place of the notice shown before.
    void notify(const QString &summary, const QString &body);

private:
    QString m_application;
    QString m_desktopEntry;
    // The server's number for the notice on screen, 0 before the first.
    uint m_shown = 0;
    // Servers that read the body as markup would take a title's "<" and "&" for it.
    bool m_bodyIsMarkup = true;
};

} // namespace platform::dbus
