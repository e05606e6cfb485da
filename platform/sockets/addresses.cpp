#include "platform/sockets/addresses.h"

#include <QHostAddress>
#include <QHostInfo>
#include <arpa/inet.h>

namespace platform::sockets {

std::optional<quint32> ParseAddress(const QString &text) {
    // inet_aton would take "1.2.3.4 anything" for 1.2.3.4.
    for (const QChar c : text)
        if (c.isSpace() || c.isNull())
            return std::nullopt;
    in_addr address{};
    if (inet_aton(text.toLatin1().constData(), &address) == 0)
        return std::nullopt;
    return ntohl(address.s_addr);
}

QString AddressText(quint32 address) { return QHostAddress(address).toString(); }

namespace {

// Qt answers with the address itself when the lookup finds no name.
QString FoundName(const QHostInfo &answer, const QString &dotted) {
    const QString name = answer.hostName();
    return name == dotted ? QString() : name;
}

} // namespace

QString HostNameOf(quint32 address) {
    const QString dotted = AddressText(address);
    return FoundName(QHostInfo::fromName(dotted), dotted);
}

void LookUpHostName(quint32 address, QObject *context, std::function<void(const QString &)> done) {
    const QString dotted = AddressText(address);
    QHostInfo::lookupHost(dotted, context, [dotted, done = std::move(done)](const QHostInfo &answer) {
        done(FoundName(answer, dotted));
    });
}

} // namespace platform::sockets
