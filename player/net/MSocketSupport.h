#pragma once
// The support module of CSocket: one hidden notification object per process, the tables that route
// its socket and lookup notices to the right CSocket, and the texts of the Winsock error numbers.
// Threads: GUI thread only; notices arrive there and are handed on synchronously.

#include "platform/sockets/socket-types.h"

#include <QString>

class CSocket;

namespace MSocketSupport {

// The largest datagram a socket sends; the first call starts the sockets layer, later calls return
// the same value.
int StartWinsock();
// Stops the sockets layer once no socket is registered.
void StopWinsock();

// Routes the notices of `handle` (read, write, accept, connect, close) to `object`, creating the
// notification object for the first handle. False, with `object`'s last error set, on failure; the
// table then does not keep the handle.
bool RegisterSocket(platform::sockets::Handle handle, CSocket *object);
// Ends the notices of `handle`; the notification object goes with the last handle. False when the
// handle is −1 or nothing is registered.
bool UnregisterSocket(platform::sockets::Handle handle);
// True while `handle` is registered to some CSocket.
bool IsRegistered(platform::sockets::Handle handle);
// Posts a notice for a registered handle, as if its socket had reported it.
void PostNotification(platform::sockets::Handle handle, int event);

// Starts looking up `name` for `object`; its result goes to object->PostGetHostEvent. The lookup number
// (never 0), or 0 with `object`'s last error set.
int ResolveHost(const QString &name, CSocket *object);
// Drops the lookup `request`: its result will go nowhere. For an object that stops waiting or dies.
void ForgetResolution(int request);

// The text of a Winsock error number; "Unknown error." for numbers without one.
QString WinsockErrorText(int code);

} // namespace MSocketSupport
