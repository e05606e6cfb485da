#include "platform/dns/server-names.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QObject>
#include <memory>

namespace platform::dns {

namespace {

// The reverse lookups under way for one name, and the names they found.
struct Gathering {
    int pending = 0;
    QStringList names;
    std::function<void(const QStringList &)> done;
};

void LookUpNameOf(const QHostAddress &address, QObject *context,
                  const std::shared_ptr<Gathering> &gathering) {
    const QString dotted = address.toString();
    // An address passed as the name makes Qt look up the address's host name.
    QHostInfo::lookupHost(dotted, context, [dotted, gathering](const QHostInfo &answer) {
        // Qt answers with the address itself when no name is found.
        const QString name = answer.hostName();
        if (answer.error() == QHostInfo::NoError && name != dotted && !gathering->names.contains(name))
            gathering->names.append(name);
        if (--gathering->pending == 0)
            gathering->done(gathering->names);
    });
}

} // namespace

void LookUpServerNames(const QString &name, QObject *context, std::function<void(const QStringList &)> done) {
    QHostInfo::lookupHost(name, context, [context, done = std::move(done)](const QHostInfo &answer) {
        const QList<QHostAddress> addresses =
            answer.error() == QHostInfo::NoError ? answer.addresses() : QList<QHostAddress>();
        if (addresses.isEmpty()) {
            done({});
            return;
        }
        const auto gathering = std::make_shared<Gathering>(Gathering{int(addresses.size()), {}, done});
        for (const QHostAddress &address : addresses)
            LookUpNameOf(address, context, gathering);
    });
}

} // namespace platform::dns
