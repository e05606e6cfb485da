#pragma once
// One HTTP(S) GET that the caller waits for: redirects are followed, the reply is size-limited and
// the wait time-limited. While it waits, the GUI thread's event loop keeps running (windows paint)
// but user input is held back, so a click cannot start the same action again.

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace platform::http {

struct Reply {
    QByteArray body;
    // Empty on success; otherwise why the download failed, ready to show to the user.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Fetches `url`. Fails on a network error, an HTTP status other than 2xx, a reply larger than
// `maxBytes`, or no complete reply within `timeLimitMs`.
Reply Get(const QUrl &url, int timeLimitMs, qint64 maxBytes);

} // namespace platform::http
