#pragma once
// Where the ticker's headlines come from: which fetch an address takes, so that one place decides it.

#include <QString>
#include <optional>

namespace news {

enum class HeadlineFetch {
    Socket, // http://: the window's own socket, the request written by hand
    Tls,    // https://: the platform's HTTPS download
};

// The fetch for `url`; none when it is not an http or https address with a host, which the ticker
// cannot read and the settings refuse.
std::optional<HeadlineFetch> HeadlineFetchFor(const QString &url);

} // namespace news
