#include "tests/support/http-test-server.h"

#include <QTcpSocket>

HttpTestServer::HttpTestServer() {
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("the test HTTP server cannot listen");
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *connection = m_server.nextPendingConnection()) {
            connection->setParent(this);
            connect(connection, &QTcpSocket::readyRead, this, [this, connection] { answer(connection); });
        }
    });
}

QUrl HttpTestServer::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void HttpTestServer::answer(QTcpSocket *connection) {
    if (!connection->canReadLine() || connection->property("answered").toBool())
        return;
    connection->setProperty("answered", true);
    const QList<QByteArray> requestLine = connection->readLine().trimmed().split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    requests.append(path);
    const Route reply = m_routes.value(path, Route(404, "not found"));
    if (reply.silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Canned\r\n";
    if (!reply.location.isEmpty())
        head += "Location: " + reply.location + "\r\n";
    head += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(reply.body.size()) +
            "\r\nConnection: close\r\n\r\n";
    connection->write(head + reply.body);
    connection->disconnectFromHost();
}
