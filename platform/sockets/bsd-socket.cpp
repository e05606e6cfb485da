#include "platform/sockets/bsd-socket.h"

#include "platform/sockets/async-select-hooks.h"
#include "platform/sockets/winsock-codes.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform::sockets {

namespace {

sockaddr_in ToSockaddr(Endpoint endpoint) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(endpoint.address);
    address.sin_port = htons(endpoint.port);
    return address;
}

Endpoint FromSockaddr(const sockaddr_in &address) {
    return Endpoint{ntohl(address.sin_addr.s_addr), ntohs(address.sin_port)};
}

// Records the current errno as the last error and returns −1.
int Failed() {
    SetLastError(FromErrno(errno));
    return -1;
}

// The result the call's count gives, with the failure recorded.
int Counted(ssize_t count) { return count < 0 ? Failed() : static_cast<int>(count); }

int IntOption(Handle handle, int option) {
    int value = 0;
    socklen_t length = sizeof value;
    return getsockopt(handle, SOL_SOCKET, option, &value, &length) == 0 ? value : Failed();
}

// Failures the classic interface reports through the connect notice rather than from the call.
bool ReportedLater(int error) {
    return error == ECONNREFUSED || error == ENETUNREACH || error == EHOSTUNREACH || error == ETIMEDOUT ||
           error == ECONNRESET;
}

template <typename Call> std::optional<Endpoint> AddressOf(Handle handle, Call call) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (call(handle, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        Failed();
        return std::nullopt;
    }
    return FromSockaddr(address);
}

} // namespace

Handle Socket(Kind kind) {
    const int type = kind == Kind::Stream ? SOCK_STREAM : SOCK_DGRAM;
    const Handle handle = socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    return handle < 0 ? Failed() : handle;
}

int Connect(Handle handle, Endpoint to) {
    const sockaddr_in address = ToSockaddr(to);
    const int result = connect(handle, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    const int error = result == 0 ? 0 : errno;
    if (error == EINPROGRESS) {
        detail::ConnectStarted(handle);
        SetLastError(WsaWouldBlock);
        return -1;
    }
    // An answer that came at once still goes out as the connect notice, as it would have come later.
    if ((error == 0 || ReportedLater(error)) &&
        detail::ConnectFinished(handle, error == 0 ? 0 : FromErrno(error))) {
        SetLastError(WsaWouldBlock);
        return -1;
    }
    if (error == 0)
        return 0;
    SetLastError(FromErrno(error));
    return -1;
}

int Send(Handle handle, const char *data, int length) {
    const ssize_t count = send(handle, data, static_cast<size_t>(length), MSG_NOSIGNAL);
    if ((count < 0 && errno == EAGAIN) || (count >= 0 && count < length))
        detail::WriteBlocked(handle);
    return Counted(count);
}

int SendTo(Handle handle, const char *data, int length, Endpoint to) {
    const sockaddr_in address = ToSockaddr(to);
    const ssize_t count = sendto(handle, data, static_cast<size_t>(length), MSG_NOSIGNAL,
                                 reinterpret_cast<const sockaddr *>(&address), sizeof address);
    if (count < 0 && errno == EAGAIN)
        detail::WriteBlocked(handle);
    return Counted(count);
}

int Recv(Handle handle, char *buffer, int length) {
    const ssize_t count = recv(handle, buffer, static_cast<size_t>(length), 0);
    const int error = errno;
    detail::ReadTaken(handle);
    errno = error;
    return Counted(count);
}

int RecvFrom(Handle handle, char *buffer, int length, Endpoint *from) {
    sockaddr_in address{};
    socklen_t addressLength = sizeof address;
    const ssize_t count = recvfrom(handle, buffer, static_cast<size_t>(length), 0,
                                   reinterpret_cast<sockaddr *>(&address), &addressLength);
    const int error = errno;
    detail::ReadTaken(handle);
    errno = error;
    if (count >= 0 && from)
        *from = FromSockaddr(address);
    return Counted(count);
}

int Bind(Handle handle, Endpoint at) {
    const sockaddr_in address = ToSockaddr(at);
    return bind(handle, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ? 0 : Failed();
}

int Listen(Handle handle, int backlog) {
    const std::optional<Endpoint> local = LocalEndpoint(handle);
    if (!local)
        return -1;
    if (local->port == 0) {
        SetLastError(WsaInvalidArgument);
        return -1;
    }
    if (listen(handle, backlog) != 0)
        return Failed();
    detail::ReadTaken(handle);
    return 0;
}

Handle Accept(Handle handle, Endpoint *peer) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    const Handle accepted =
        accept4(handle, reinterpret_cast<sockaddr *>(&address), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    const int error = errno;
    detail::ReadTaken(handle);
    errno = error;
    if (accepted < 0)
        return Failed();
    if (peer)
        *peer = FromSockaddr(address);
    return accepted;
}

int Shutdown(Handle handle) { return shutdown(handle, SHUT_WR) == 0 ? 0 : Failed(); }

int Close(Handle handle) {
    detail::Forget(handle);
    return close(handle) == 0 ? 0 : Failed();
}

std::optional<Endpoint> LocalEndpoint(Handle handle) { return AddressOf(handle, getsockname); }

std::optional<Endpoint> PeerEndpoint(Handle handle) { return AddressOf(handle, getpeername); }

std::optional<Kind> SocketKind(Handle handle) {
    switch (IntOption(handle, SO_TYPE)) {
    case SOCK_STREAM:
        return Kind::Stream;
    case SOCK_DGRAM:
        return Kind::Datagram;
    default:
        return std::nullopt;
    }
}

int ReceiveBufferSize(Handle handle) { return IntOption(handle, SO_RCVBUF); }

int SendBufferSize(Handle handle) { return IntOption(handle, SO_SNDBUF); }

int SetBroadcast(Handle handle, bool on) {
    const int value = on ? 1 : 0;
    return setsockopt(handle, SOL_SOCKET, SO_BROADCAST, &value, sizeof value) == 0 ? 0 : Failed();
}

} // namespace platform::sockets
