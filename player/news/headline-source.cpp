#include "player/news/headline-source.h"

#include <QUrl>

namespace news {

std::optional<HeadlineFetch> HeadlineFetchFor(const QString &url) {
    const QUrl address(url.trimmed(), QUrl::StrictMode);
    if (!address.isValid() || address.host().isEmpty())
        return std::nullopt;
    if (address.scheme() == QLatin1String("http"))
        return HeadlineFetch::Socket;
    if (address.scheme() == QLatin1String("https"))
        return HeadlineFetch::Tls;
    return std::nullopt;
}

} // namespace news
