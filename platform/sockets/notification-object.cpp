#include "platform/sockets/notification-object.h"

namespace platform::sockets {

NotificationObject::NotificationObject(QObject *parent) : QObject(parent) {
    setObjectName(QStringLiteral("SOCKET_WINDOW"));
}

} // namespace platform::sockets
