#pragma once
// The servers behind one name: every address the name has, and the host name of each (a TLS
// connection needs the name its certificate was made for, not the address).
//
// Threads: called on a thread with an event loop; Qt asks the resolver on its own threads and the
// answer comes back to `context`'s thread. Nothing here waits.

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

namespace platform::dns {

// Looks up `name`, then the host name of each of its addresses. `done` runs once, later, on `context`'s
// thread with the distinct host names found, in no particular order (empty when the name does not
// resolve or no address has a name), and not at all once `context` is gone.
void LookUpServerNames(const QString &name, QObject *context, std::function<void(const QStringList &)> done);

} // namespace platform::dns
