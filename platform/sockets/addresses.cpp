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

QString HostNameOf(quint32 address) {
    const QString dotted = AddressText(address);
    const QString name = QHostInfo::fromName(dotted).hostName();
    // Qt answers with the address itself when the lookup finds no name.
    return name == dotted ? QString() : name;
}

} // namespace platform::sockets
