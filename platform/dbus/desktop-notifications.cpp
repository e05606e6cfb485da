#include "platform/dbus/desktop-notifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace platform::dbus {

namespace {

QDBusMessage NotificationsCall(const QString &method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), method);
}

// Sends `call` without waiting; `answered` gets the reply when the server gives one.
template <typename Reply, typename Answered>
void CallAsync(QObject *context, const QDBusMessage &call, Answered answered) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered] {
        const QDBusPendingReply<Reply> reply = *watcher;
        if (!reply.isError())
            answered(reply.value());
        watcher->deleteLater();
    });
}

} // namespace

DesktopNotifications::DesktopNotifications(const QString &application, const QString &desktopEntry,
                                           QObject *parent)
    : QObject(parent), m_application(application), m_desktopEntry(desktopEntry) {
    CallAsync<QStringList>(this, NotificationsCall(QStringLiteral("GetCapabilities")),
                           [this](const QStringList &capabilities) {
                               m_bodyIsMarkup = capabilities.contains(QLatin1String("body-markup"));
                           });
}

void DesktopNotifications::notify(const QString &summary, const QString &body) {
    QDBusMessage call = NotificationsCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_desktopEntry}};
    call << m_application << m_shown << m_desktopEntry << summary
         << (m_bodyIsMarkup ? body.toHtmlEscaped() : body) << QStringList() << hints << -1;
    CallAsync<uint>(this, call, [this](uint id) { m_shown = id; });
}

} // namespace platform::dbus
