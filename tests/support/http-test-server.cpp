#include "tests/support/http-test-server.h"

#include <QSslServer>
#include <QTcpSocket>

HttpTestServer::HttpTestServer() : m_server(std::make_unique<QTcpServer>()) { listen(); }

HttpTestServer::HttpTestServer(const QSslConfiguration &tls) {
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    m_server = std::move(server);
    listen();
}

HttpTestServer::~HttpTestServer() = default;

void HttpTestServer::listen() {
    if (!m_server->listen(QHostAddress::LocalHost))
        qFatal("the test HTTP server cannot listen");
    // A TLS connection is pending only once its handshake is done.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *connection = m_server->nextPendingConnection()) {
            connection->setParent(this);
            connect(connection, &QTcpSocket::readyRead, this, [this, connection] { answer(connection); });
            answer(connection);
        }
    });
}

QUrl HttpTestServer::url(const QString &path) const {
    const bool tls = qobject_cast<QSslServer *>(m_server.get()) != nullptr;
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(tls ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(m_server->serverPort())
                    .arg(path));
}

void HttpTestServer::answer(QTcpSocket *connection) {
    if (!connection->canReadLine() || connection->property("answered").toBool())
        return;
    connection->setProperty("answered", true);
    const QList<QByteArray> requestLine = connection->readLine().trimmed().split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    requests.append(path);
    requestHeaders.append(connection->readAll());
    const Route reply = m_routes.value(path, Route(404, "not found"));
    if (reply.silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    if (!reply.contentEncoding.isEmpty())
        head += "Content-Encoding: " + reply.contentEncoding + "\r\n";
    head += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(reply.body.size()) +
            "\r\nConnection: close\r\n\r\n";
    connection->write(head + reply.body);
    connection->disconnectFromHost();
}
