#include "platform/http/stream-reader.h"

#include <QSslSocket>
#include <QTimer>

namespace platform::http {

namespace {

constexpr int kMaxRedirects = 5;
constexpr qint64 kReadPiece = 64 * 1024;

QByteArray RequestFor(const QUrl &url) {
    const int defaultPort = url.scheme() == QLatin1String("https") ? 443 : 80;
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port(defaultPort) != defaultPort)
        host += ':' + QByteArray::number(url.port());
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    return "GET " + target + " HTTP/1.0\r\nHost: " + host +
           "\r\nUser-Agent: Tunelark/" TUNELARK_VERSION
           "\r\nAccept: */*\r\nIcy-MetaData: 1\r\nConnection: close\r\n\r\n";
}

bool IsWebAddress(const QUrl &url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

StreamReader::StreamReader(const QUrl &url, int silenceLimitMs, QObject *parent)
    : QObject(parent), m_url(url), m_silenceLimitMs(silenceLimitMs), m_silence(new QTimer(this)) {
    m_silence->setSingleShot(true);
    connect(m_silence, &QTimer::timeout, this, [this] {
        end(QStringLiteral("%1 sent nothing for %2 seconds")
                .arg(m_url.host())
                .arg(m_silenceLimitMs / 1000.0));
    });
    // Every outcome, even one known at once, comes through the event loop.
    QMetaObject::invokeMethod(
        this, [this] { open(m_url); }, Qt::QueuedConnection);
}

StreamReader::~StreamReader() {
    if (m_socket)
        m_socket->disconnect(this);
}

void StreamReader::open(const QUrl &url) {
    if (!IsWebAddress(url))
        return end(QStringLiteral("%1 is not an http or https address").arg(url.toString()));
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
    }
    m_url = url;
    m_head.clear();
    const bool secure = url.scheme() == QLatin1String("https");
    QSslSocket *socket = new QSslSocket(this);
    m_socket = socket;
    connect(socket, &QAbstractSocket::errorOccurred, this, [this] {
        // A stream the server ends is reported by the disconnect that follows.
        if (m_socket->error() != QAbstractSocket::RemoteHostClosedError)
            end(QStringLiteral("the connection to %1 failed: %2").arg(m_url.host(), m_socket->errorString()));
    });
    connect(socket, &QAbstractSocket::disconnected, this, [this] {
        readAvailable();
        end(m_headDone ? QStringLiteral("the station closed the connection")
                       : QStringLiteral("%1 closed the connection without answering").arg(m_url.host()));
    });
    connect(socket, &QIODevice::readyRead, this, [this] {
        m_silence->start(m_silenceLimitMs);
        readAvailable();
    });
    const auto sendRequest = [this, url] { m_socket->write(RequestFor(url)); };
    if (secure) {
        connect(socket, &QSslSocket::encrypted, this, sendRequest);
        socket->connectToHostEncrypted(url.host(), url.port(443));
    } else {
        connect(socket, &QAbstractSocket::connected, this, sendRequest);
        socket->connectToHost(url.host(), url.port(80));
    }
    m_silence->start(m_silenceLimitMs);
}

void StreamReader::readHead() {
    const qsizetype looked = m_head.size();
    m_head += m_socket->read(kMaxResponseHeadBytes + 1 - m_head.size());
    const std::optional<qsizetype> headEnd = ResponseHeadEnd(m_head, looked);
    if (!headEnd) {
        if (m_head.size() > kMaxResponseHeadBytes)
            end(QStringLiteral("%1 sent a reply head larger than %2 KiB")
                    .arg(m_url.host())
                    .arg(kMaxResponseHeadBytes / 1024));
        return;
    }
    QString error;
    const ResponseHead head = ParseResponseHead(m_head.left(*headEnd), &error);
    if (!error.isEmpty())
        return end(QStringLiteral("%1: %2").arg(m_url.host(), error));
    if (head.status >= 300 && head.status < 400 && !head.header("Location").isEmpty()) {
        const QUrl next = m_url.resolved(QUrl::fromEncoded(head.header("Location")));
        if (++m_redirects > kMaxRedirects)
            return end(
                QStringLiteral("%1 redirected more than %2 times").arg(m_url.host()).arg(kMaxRedirects));
        if (m_url.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https"))
            return end(QStringLiteral("%1 redirected to an address that is not secure (%2)")
                           .arg(m_url.host(), next.toString()));
        return open(next);
    }
    if (head.status < 200 || head.status > 299)
        return end(QStringLiteral("the server answered %1 %2")
                       .arg(head.status)
                       .arg(QString::fromLatin1(head.reason)));
    m_headDone = true;
    const QByteArray body = m_head.mid(*headEnd);
    m_head.clear();
    emit started(head, m_url);
    if (!body.isEmpty() && !m_ended)
        emit received(body);
}

void StreamReader::readAvailable() {
    if (!m_headDone && !m_ended)
        readHead();
    while (m_headDone && !m_ended && m_socket->bytesAvailable() > 0)
        emit received(m_socket->read(kReadPiece));
}

void StreamReader::end(const QString &reason) {
    if (m_ended)
        return;
    m_ended = true;
    m_silence->stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    emit ended(reason);
}

} // namespace platform::http
