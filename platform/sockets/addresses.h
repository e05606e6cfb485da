#pragma once
// IPv4 address texts and the reverse lookup. Threads: any; HostNameOf blocks while it asks the
// resolver, LookUpHostName does not wait for it.

#include <QString>
#include <functional>
#include <optional>

class QObject;

namespace platform::sockets {

// The address (host byte order) of a dotted text such as "127.0.0.1"; nothing when it is not one.
// The classic short forms ("127.1") count, and so does "255.255.255.255".
std::optional<quint32> ParseAddress(const QString &text);

// The dotted text of an address in host byte order.
QString AddressText(quint32 address);

// The host name a reverse lookup finds for the address; empty when it finds none.
QString HostNameOf(quint32 address);

// Starts the same lookup without waiting: `done` runs later on `context`'s thread with the name (empty
// when none is found), and not at all once `context` is gone.
void LookUpHostName(quint32 address, QObject *context, std::function<void(const QString &)> done);

} // namespace platform::sockets
