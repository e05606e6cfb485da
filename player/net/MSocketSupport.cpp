#include "player/net/MSocketSupport.h"

#include "platform/sockets/notification-object.h"
#include "platform/sockets/winsock-codes.h"
#include "player/net/CSocket.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace MSocketSupport {

namespace {

using platform::sockets::Handle;

struct Module {
    bool started = false;
    int startResult = 0;
    QPointer<platform::sockets::NotificationObject> window;
    std::unordered_map<Handle, CSocket *> sockets;
    std::unordered_map<int, CSocket *> resolutions;
};

Module &M() {
    static Module module;
    return module;
}

constexpr int kAllEvents = platform::sockets::FdRead | platform::sockets::FdWrite |
                           platform::sockets::FdAccept | platform::sockets::FdConnect |
                           platform::sockets::FdClose;

void OnSocketNotice(int handle, int event, int error) {
    const auto it = M().sockets.find(handle);
    if (it != M().sockets.end())
        it->second->OnSocketNotification(event, error);
}

void OnResolveNotice(int request, int error, quint32 address, const QString &name) {
    const auto it = M().resolutions.find(request);
    if (it == M().resolutions.end())
        return;
    CSocket *object = it->second;
    M().resolutions.erase(it);
    object->PostGetHostEvent(request, address, name, error);
}

// The notification object, created when first needed; nothing without an application to deliver on.
platform::sockets::NotificationObject *Window(CSocket *object, const QString &source) {
    Module &m = M();
    if (m.window)
        return m.window;
    if (!QCoreApplication::instance()) {
        object->RecordError(platform::sockets::WsaInterrupted, QStringLiteral("The operation was canceled."),
                            source);
        return nullptr;
    }
    m.window = new platform::sockets::NotificationObject;
    QObject::connect(m.window, &platform::sockets::NotificationObject::SocketNotice, OnSocketNotice);
    QObject::connect(m.window, &platform::sockets::NotificationObject::ResolveNotice, OnResolveNotice);
    return m.window;
}

void RecordLayerError(CSocket *object, const QString &source) {
    const int code = platform::sockets::LastError();
    object->RecordError(code, WinsockErrorText(code), source);
}

struct ErrorText {
    int code;
    const char *text;
};

constexpr ErrorText kErrorTexts[] = {
    {10004, "Interrupted function call."},
    {10013, "Permission denied."},
    {10014, "Bad address."},
    {10022, "Invalid argument."},
    {10024, "Too many open files."},
    {10035, "Resource temporarily unavailable."},
    {10036, "Operation now in progress."},
    {10037, "Operation already in progress."},
    {10038, "Socket operation on nonsocket."},
    {10039, "Destination address required."},
    {10040, "Message too long."},
    {10041, "Protocol wrong type for socket."},
    {10042, "Bad protocol option."},
    {10043, "Protocol not supported."},
    {10044, "Socket type not supported."},
    {10045, "Operation not supported."},
    {10046, "Protocol family not supported."},
    {10047, "Address family not supported by protocol family."},
    {10048, "Address already in use."},
    {10049, "Cannot assign requested address."},
    {10050, "Network is down."},
    {10051, "Network is unreachable."},
    {10052, "Network dropped connection on reset."},
    {10053, "Software caused connection abort."},
    {10054, "Connection reset by peer."},
    {10055, "No buffer space available."},
    {10056, "Socket is already connected."},
    {10057, "Socket is not connected."},
    {10058, "Cannot send after socket shutdown."},
    {10060, "Connection timed out."},
    {10061, "Connection refused."},
    {10064, "Host is down."},
    {10065, "No route to host."},
    {10067, "Too many processes."},
    {10091, "Network subsystem is unavailable."},
    {10092, "Winsock.dll version out of range."},
    {10093, "Successful WSAStartup not yet performed."},
    {10101, "Graceful shutdown in progress."},
    {10107, "System call failure."},
    {10109, "Class type not found."},
    {11001, "Host not found."},
    {11002, "Nonauthoritative host not found."},
    {11003, "This is a nonrecoverable error."},
    {11004, "Valid name, no data record of requested type."},
};

} // namespace

int StartWinsock() {
    Module &m = M();
    if (!m.started) {
        // POSIX sockets need no start-up; what is kept is the datagram limit.
        m.startResult = platform::sockets::MaxDatagramSize;
        m.started = true;
    }
    return m.startResult;
}

void StopWinsock() {
    Module &m = M();
    if (m.started && m.sockets.empty())
        m.started = false;
}

bool RegisterSocket(Handle handle, CSocket *object) {
    const QString source = QStringLiteral("MSocketSupport.RegisterSocket");
    platform::sockets::NotificationObject *window = Window(object, source);
    if (!window)
        return false;
    M().sockets[handle] = object;
    if (platform::sockets::AsyncSelect(handle, window, kAllEvents))
        return true;
    RecordLayerError(object, source);
    UnregisterSocket(handle);
    return false;
}

bool UnregisterSocket(Handle handle) {
    Module &m = M();
    if (handle == platform::sockets::InvalidHandle || m.sockets.empty())
        return false;
    platform::sockets::AsyncSelect(handle, m.window, 0);
    m.sockets.erase(handle);
    if (m.sockets.empty() && m.window) {
        // Later: this may run inside a notice the object is delivering.
        m.window->deleteLater();
        m.window = nullptr;
        m.resolutions.clear();
    }
    return true;
}

bool IsRegistered(Handle handle) { return M().sockets.count(handle) != 0; }

void PostNotification(Handle handle, int event) { platform::sockets::PostNotice(handle, event, 0); }

int ResolveHost(const QString &name, CSocket *object) {
    const QString source = QStringLiteral("MSocketSupport.ResolveHost");
    platform::sockets::NotificationObject *window = Window(object, source);
    if (!window)
        return 0;
    const int request = platform::sockets::AsyncGetHostByName(window, name);
    if (request == 0) {
        RecordLayerError(object, source);
        return 0;
    }
    M().resolutions[request] = object;
    return request;
}

void ForgetResolution(int request) { M().resolutions.erase(request); }

QString WinsockErrorText(int code) {
    const auto *end = std::end(kErrorTexts);
    const auto *found =
        std::find_if(std::begin(kErrorTexts), end, [code](const ErrorText &e) { return e.code == code; });
    return found == end ? QStringLiteral("Unknown error.") : QString::fromLatin1(found->text);
}

} // namespace MSocketSupport
