#include "platform/http/response-head.h"

namespace platform::http {

namespace {

constexpr qsizetype kMaxHeaders = 100;

bool IsToken(const QByteArray &name) {
    if (name.isEmpty())
        return false;
    for (const char c : name)
        if (c <= ' ' || c >= 127 || c == ':')
            return false;
    return true;
}

// "HTTP/1.0 200 OK", "HTTP/1.1 302 Found", "ICY 200 OK": the version, three digits, the reason.
bool ParseStatusLine(const QByteArray &line, ResponseHead *head) {
    qsizetype at = 0;
    if (line.startsWith("HTTP/1.") && line.size() > 8 && line.at(7) >= '0' && line.at(7) <= '9')
        at = 8;
    else if (line.startsWith("ICY"))
        at = 3;
    else
        return false;
    if (line.size() < at + 4 || line.at(at) != ' ')
        return false;
    int status = 0;
    for (qsizetype i = at + 1; i < at + 4; ++i) {
        if (line.at(i) < '0' || line.at(i) > '9')
            return false;
        status = status * 10 + (line.at(i) - '0');
    }
    if (line.size() > at + 4 && line.at(at + 4) != ' ')
        return false;
    head->status = status;
    head->reason = line.mid(at + 5).trimmed();
    return status >= 100;
}

} // namespace

QByteArray ResponseHead::header(const QByteArray &name) const {
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return QByteArray();
}

std::optional<qsizetype> ResponseHeadEnd(const QByteArray &received, qsizetype from) {
    // The empty line may have begun up to two bytes before `from`.
    for (qsizetype at = received.indexOf('\n', std::max<qsizetype>(0, from - 3)); at >= 0;
         at = received.indexOf('\n', at + 1)) {
        if (at + 1 < received.size() && received.at(at + 1) == '\n')
            return at + 2;
        if (at + 2 < received.size() && received.at(at + 1) == '\r' && received.at(at + 2) == '\n')
            return at + 3;
    }
    return std::nullopt;
}

ResponseHead ParseResponseHead(const QByteArray &head, QString *error) {
    ResponseHead result;
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || !ParseStatusLine(lines.constFirst(), &result)) {
        *error = QStringLiteral("the server's reply is not HTTP");
        return result;
    }
    if (lines.size() - 1 > kMaxHeaders) {
        *error = QStringLiteral("the server sent more than %1 header lines").arg(kMaxHeaders);
        return result;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon);
        if (colon < 0 || !IsToken(name)) {
            *error = QStringLiteral("the server sent a malformed header line");
            return result;
        }
        result.headers.append({name, line.mid(colon + 1).trimmed()});
    }
    error->clear();
    return result;
}

} // namespace platform::http
