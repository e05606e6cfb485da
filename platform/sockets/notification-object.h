#pragma once
// The hidden notification object: the one place where socket readiness and name-lookup results come
// out of the sockets layer. Threads: it lives on the GUI thread and every notice is delivered there as
// a posted event, in the order posted; lookups run on Qt's resolver threads and only their results
// cross back, posted to this object.

#include "platform/sockets/socket-types.h"

#include <QObject>
#include <QString>

namespace platform::sockets {

class NotificationObject : public QObject {
    Q_OBJECT
public:
    explicit NotificationObject(QObject *parent = nullptr);

signals:
    // `event` happened on `handle`; `error` is a Winsock code, 0 when the event succeeded.
    void SocketNotice(int handle, int event, int error);
    // The lookup `request` finished: on success `error` is 0 and `address` (host byte order) is the first
    // IPv4 address of `name`; on failure `error` is the resolver's Winsock code.
    void ResolveNotice(int request, int error, quint32 address, const QString &name);
};

// Asks for notices of the events in `mask` (NetEvent bits) on `handle`, delivered by `target`, in place
// of any earlier request for the handle; `mask` 0 cancels. Notices follow the classic rules: a read or
// accept notice is not repeated until Recv, RecvFrom or Accept is called on the handle, a write
// notice comes once a send could not take all its data and room is free again, the connect notice
// (then a write notice) ends a pending Connect, and a close notice comes once, after the data. False,
// with LastError set, when the handle is not an open descriptor.
bool AsyncSelect(Handle handle, NotificationObject *target, int mask);

// Posts a notice for `handle` to the object its events go to, whatever its mask; nothing when the
// handle has no notices requested. Posted notices of a handle that is closed or selected anew before
// they are delivered are dropped, so a reused descriptor number never receives an old notice.
void PostNotice(Handle handle, int event, int error);

// Starts an asynchronous lookup of the IPv4 address of `name`; the result arrives as `target`'s
// ResolveNotice with the returned request number (never 0). Names under the reserved top-level domain
// "invalid" fail with WsaHostNotFound without asking the network.
int AsyncGetHostByName(NotificationObject *target, const QString &name);

} // namespace platform::sockets
