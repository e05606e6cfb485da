#pragma once
// The head of an HTTP reply as radio servers send it: the status line ("HTTP/1.x NNN reason", or
// SHOUTcast's "ICY NNN reason") and the header lines up to the empty line. It comes from the network:
// its size is bounded and every line is checked.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace platform::http {

// No server needs more for its status line and headers.
constexpr qsizetype kMaxResponseHeadBytes = 16 * 1024;

struct ResponseHead {
    int status = 0;
    QByteArray reason;
    // In the order sent; names as sent, values without the blanks around them.
    QList<std::pair<QByteArray, QByteArray>> headers;

    // The first header of that name (names are compared without regard to case); empty when missing.
    QByteArray header(const QByteArray &name) const;
};

// Where the head ends in `received` (the index of the first body byte), once the empty line has come;
// nothing while it is still incomplete. Lines may end in "\r\n" or "\n". The search starts at `from`,
// the size `received` had at the last look, so a head that arrives in small pieces is read once.
std::optional<qsizetype> ResponseHeadEnd(const QByteArray &received, qsizetype from = 0);

// Parses a complete head (what ResponseHeadEnd measured). Empty `error` on success, else why the reply
// is not one.
ResponseHead ParseResponseHead(const QByteArray &head, QString *error);

} // namespace platform::http
