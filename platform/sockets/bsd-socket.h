#pragma once
// Non-blocking IPv4 sockets with the calling conventions of the classic sockets interface: each call
// returns −1 (InvalidHandle for the handle makers) on failure and leaves the Winsock code in
// LastError(). Calls on a handle selected with AsyncSelect re-enable its notices as that interface
// does. Threads: GUI thread, the thread that receives the notices.

#include "platform/sockets/socket-types.h"

#include <QString>
#include <optional>

namespace platform::sockets {

// A new non-blocking socket of `kind`.
Handle Socket(Kind kind);

// Starts connecting. On a selected handle the result always comes as a connect notice and the call
// fails with WsaWouldBlock, also when the system answered at once (a refused loopback connect).
int Connect(Handle handle, Endpoint to);

// Sends what the socket takes now: the count, which may be short of `length`. Never raises SIGPIPE.
int Send(Handle handle, const char *data, int length);
int SendTo(Handle handle, const char *data, int length, Endpoint to);

// Receives at most `length` bytes: the count, 0 at the end of a stream. `from` gets the sender.
int Recv(Handle handle, char *buffer, int length);
int RecvFrom(Handle handle, char *buffer, int length, Endpoint *from);

int Bind(Handle handle, Endpoint at);
// Fails with WsaInvalidArgument when the socket is not bound, as the classic interface does, rather
// than listening on a port nobody asked for.
int Listen(Handle handle, int backlog);
// The accepted connection as a new non-blocking handle; `peer` gets its address.
Handle Accept(Handle handle, Endpoint *peer);
// Ends the sending direction; the peer sees the end of the stream.
int Shutdown(Handle handle);
// Closes the handle; notices still on their way for it are dropped.
int Close(Handle handle);

std::optional<Endpoint> LocalEndpoint(Handle handle);
std::optional<Endpoint> PeerEndpoint(Handle handle);
std::optional<Kind> SocketKind(Handle handle);
// The socket's receive or send buffer size in bytes; −1 on failure.
int ReceiveBufferSize(Handle handle);
int SendBufferSize(Handle handle);
int SetBroadcast(Handle handle, bool on);

} // namespace platform::sockets
