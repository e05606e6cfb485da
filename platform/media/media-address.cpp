#include "platform/media/media-address.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace platform::media {

namespace {

// Longer addresses are not station addresses; refusing them bounds the work spent on them.
constexpr int kMaxAddressLength = 8192;

// Schemes of network streams. "icyx" is libVLC's own name for a Shoutcast/Icecast stream it was
// redirected to over HTTP.
const QStringList &NetworkSchemes() {
    static const QStringList schemes = {"http", "https", "icyx",  "mms",   "mmsh", "mmst", "mmsu",
                                        "rtsp", "rtmp",  "rtmps", "rtmpt", "rtp",  "udp",  "ftp"};
    return schemes;
}

// The scheme of "scheme://…" in lower case; empty unless the address starts with a plain scheme
// followed by "://". libVLC reads "access/demux://" and schemes with other characters its own way.
QString Scheme(const QString &address) {
    const int end = address.indexOf(QLatin1String("://"));
    if (end < 1 || !address.front().isLetter())
        return {};
    for (int i = 0; i < end; ++i) {
        const QChar c = address.at(i);
        const bool plain = (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('+') ||
                           c == QLatin1Char('.') || c == QLatin1Char('-');
        if (!plain)
            return {};
    }
    return address.left(end).toLower();
}

CheckedAddress LocalFile(const QString &path) {
    const QFileInfo info(path);
    // isFile() follows links, so a link to a device or a pipe is refused with it.
    if (!info.isAbsolute() || !info.isFile())
        return {};
    return {CheckedAddress::Kind::LocalFile, info.canonicalFilePath()};
}

} // namespace

CheckedAddress CheckAddress(const QString &address) {
    if (address.isEmpty() || address.size() > kMaxAddressLength)
        return {};
    if (address.startsWith(QLatin1Char('/')))
        return LocalFile(address);
    const QString name = Scheme(address);
    if (name == QLatin1String("file")) {
        const QUrl url(address);
        return url.isLocalFile() && url.host().isEmpty() ? LocalFile(url.toLocalFile()) : CheckedAddress{};
    }
    if (!name.isEmpty() && NetworkSchemes().contains(name))
        return {CheckedAddress::Kind::Network, {}};
    return {};
}

} // namespace platform::media
