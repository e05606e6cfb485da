// Name lookups for the notification object. Threads: called on the GUI thread; Qt resolves on its own
// threads and hands the answer back to the GUI thread, where it is posted as the resolve notice.

#include "platform/sockets/notification-object.h"
#include "platform/sockets/winsock-codes.h"

#include <QHostAddress>
#include <QHostInfo>
#include <climits>

namespace platform::sockets {

namespace {

int g_lastRequest = 0;

int NextRequest() {
    g_lastRequest = g_lastRequest == INT_MAX ? 1 : g_lastRequest + 1;
    return g_lastRequest;
}

// Names under the reserved top-level domain "invalid" never resolve; answering them here keeps such
// lookups off the network.
bool IsReservedInvalid(const QString &name) {
    QString lower = name.toLower();
    if (lower.endsWith(QLatin1Char('.')))
        lower.chop(1);
    return lower == QLatin1String("invalid") || lower.endsWith(QLatin1String(".invalid"));
}

void Deliver(NotificationObject *target, int request, const QHostInfo &info) {
    if (info.error() == QHostInfo::HostNotFound) {
        emit target->ResolveNotice(request, WsaHostNotFound, 0, QString());
        return;
    }
    // Qt folds the resolver's other failures together; most often the name server could not be asked.
    if (info.error() != QHostInfo::NoError) {
        emit target->ResolveNotice(request, WsaTryAgain, 0, QString());
        return;
    }
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            emit target->ResolveNotice(request, 0, address.toIPv4Address(), info.hostName());
            return;
        }
    }
    emit target->ResolveNotice(request, WsaNoData, 0, QString());
}

} // namespace

int AsyncGetHostByName(NotificationObject *target, const QString &name) {
    if (!target) {
        SetLastError(WsaInvalidArgument);
        return 0;
    }
    const int request = NextRequest();
    if (IsReservedInvalid(name)) {
        QMetaObject::invokeMethod(
            target, [target, request] { emit target->ResolveNotice(request, WsaHostNotFound, 0, QString()); },
            Qt::QueuedConnection);
    } else {
        // The answer is dropped with `target` if it is destroyed first.
        QHostInfo::lookupHost(name, target,
                              [target, request](const QHostInfo &info) { Deliver(target, request, info); });
    }
    return request;
}

} // namespace platform::sockets
