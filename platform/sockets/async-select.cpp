// Readiness of the selected sockets, turned into notices. Threads: GUI thread only; the socket
// notifiers fire there and the notices are posted back to the same thread.

#include "platform/sockets/async-select-hooks.h"
#include "platform/sockets/notification-object.h"
#include "platform/sockets/winsock-codes.h"

#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unordered_map>

namespace platform::sockets {

namespace {

struct Watch {
    QPointer<NotificationObject> target;
    int mask = 0;
    // Tells this request apart from earlier ones on the same descriptor number.
    quint64 serial = 0;
    std::unique_ptr<QSocketNotifier> read;
    std::unique_ptr<QSocketNotifier> write;
    bool connecting = false;
    bool closeSeen = false;
    bool writeWanted = false;
};

std::unordered_map<Handle, Watch> &Watches() {
    static std::unordered_map<Handle, Watch> watches;
    return watches;
}

quint64 g_lastSerial = 0;

Watch *Find(Handle handle) {
    auto &watches = Watches();
    const auto it = watches.find(handle);
    return it == watches.end() ? nullptr : &it->second;
}

// The option's value, or −1 when it cannot be read.
int IntOption(Handle handle, int option) {
    int value = 0;
    socklen_t length = sizeof value;
    return getsockopt(handle, SOL_SOCKET, option, &value, &length) == 0 ? value : -1;
}

void Post(Handle handle, const Watch &watch, int event, int error) {
    NotificationObject *target = watch.target;
    if (!target)
        return;
    const quint64 serial = watch.serial;
    QMetaObject::invokeMethod(
        target,
        [target, handle, serial, event, error] {
            const Watch *current = Find(handle);
            if (current && current->serial == serial)
                emit target->SocketNotice(handle, event, error);
        },
        Qt::QueuedConnection);
}

void PostSelected(Handle handle, const Watch &watch, int event, int error) {
    if (watch.mask & event)
        Post(handle, watch, event, error);
}

void EnableRead(Watch &watch) {
    if (!watch.closeSeen && !watch.connecting && (watch.mask & (FdRead | FdAccept | FdClose)))
        watch.read->setEnabled(true);
}

void FinishConnect(Handle handle, Watch &watch, int error) {
    PostSelected(handle, watch, FdConnect, error);
    if (error != 0)
        return;
    PostSelected(handle, watch, FdWrite, 0);
    EnableRead(watch);
}

// Readable means new data, a waiting connection, the peer's close or a failure; the peek tells which.
void OnReadable(Handle handle) {
    Watch *watch = Find(handle);
    if (!watch)
        return;
    watch->read->setEnabled(false);
    if (IntOption(handle, SO_ACCEPTCONN) == 1) {
        PostSelected(handle, *watch, FdAccept, 0);
        return;
    }
    if (IntOption(handle, SO_TYPE) == SOCK_DGRAM) {
        PostSelected(handle, *watch, FdRead, 0);
        return;
    }
    char byte;
    const ssize_t count = recv(handle, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    const int error = errno;
    if (count > 0) {
        PostSelected(handle, *watch, FdRead, 0);
    } else if (count < 0 && (error == EAGAIN || error == EINTR)) {
        watch->read->setEnabled(true);
    } else if (count < 0 && error == ENOTCONN) {
        // Not connected yet: a connect enables reading when it completes.
    } else {
        watch->closeSeen = true;
        PostSelected(handle, *watch, FdClose, count == 0 ? 0 : FromErrno(error));
    }
}

void OnWritable(Handle handle) {
    Watch *watch = Find(handle);
    if (!watch)
        return;
    watch->write->setEnabled(false);
    if (watch->connecting) {
        watch->connecting = false;
        const int error = IntOption(handle, SO_ERROR);
        FinishConnect(handle, *watch, error == 0 ? 0 : FromErrno(error));
    } else if (watch->writeWanted) {
        watch->writeWanted = false;
        PostSelected(handle, *watch, FdWrite, 0);
    }
}

// A stream socket stays quiet until it listens or is connected: an unconnected one polls as hung up.
bool ReadsNow(Handle handle) {
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    return IntOption(handle, SO_TYPE) == SOCK_DGRAM || IntOption(handle, SO_ACCEPTCONN) == 1 ||
           getpeername(handle, reinterpret_cast<sockaddr *>(&peer), &length) == 0;
}

} // namespace

bool AsyncSelect(Handle handle, NotificationObject *target, int mask) {
    if (handle < 0 || fcntl(handle, F_GETFD) == -1) {
        SetLastError(WsaNotSocket);
        return false;
    }
    Watches().erase(handle);
    if (mask == 0 || !target)
        return true;
    Watch &watch = Watches()[handle];
    watch.target = target;
    watch.mask = mask;
    watch.serial = ++g_lastSerial;
    watch.read = std::make_unique<QSocketNotifier>(handle, QSocketNotifier::Read);
    watch.write = std::make_unique<QSocketNotifier>(handle, QSocketNotifier::Write);
    watch.read->setEnabled(false);
    watch.write->setEnabled(false);
    QObject::connect(watch.read.get(), &QSocketNotifier::activated, [handle] { OnReadable(handle); });
    QObject::connect(watch.write.get(), &QSocketNotifier::activated, [handle] { OnWritable(handle); });
    if (ReadsNow(handle))
        EnableRead(watch);
    return true;
}

void PostNotice(Handle handle, int event, int error) {
    if (const Watch *watch = Find(handle))
        Post(handle, *watch, event, error);
}

namespace detail {

void ReadTaken(Handle handle) {
    if (Watch *watch = Find(handle))
        EnableRead(*watch);
}

void WriteBlocked(Handle handle) {
    Watch *watch = Find(handle);
    if (!watch || watch->connecting)
        return;
    watch->writeWanted = true;
    watch->write->setEnabled(true);
}

void ConnectStarted(Handle handle) {
    Watch *watch = Find(handle);
    if (!watch)
        return;
    watch->connecting = true;
    watch->read->setEnabled(false);
    watch->write->setEnabled(true);
}

bool ConnectFinished(Handle handle, int error) {
    Watch *watch = Find(handle);
    if (!watch)
        return false;
    FinishConnect(handle, *watch, error);
    return true;
}

void Forget(Handle handle) { Watches().erase(handle); }

} // namespace detail

} // namespace platform::sockets
