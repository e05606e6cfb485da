#pragma once
// The shapes the sockets layer speaks in: handles, the notice events and IPv4 endpoints.

#include <QtGlobal>

namespace platform::sockets {

// A socket handle; InvalidHandle when there is none.
using Handle = int;
inline constexpr Handle InvalidHandle = -1;

// The events a notice reports, one bit each, as the classic asynchronous-select interface numbers them.
enum NetEvent : int {
    FdRead = 1,
    FdWrite = 2,
    FdOob = 4,
    FdAccept = 8,
    FdConnect = 16,
    FdClose = 32,
};

enum class Kind { Stream, Datagram };

// An IPv4 address (host byte order) and port.
struct Endpoint {
    quint32 address = 0;
    quint16 port = 0;
};

// The largest UDP payload an IPv4 datagram carries.
inline constexpr int MaxDatagramSize = 65507;

} // namespace platform::sockets
