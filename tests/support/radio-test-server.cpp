#include "tests/support/radio-test-server.h"

#include <QTcpSocket>
#include <QTimer>

RadioTestServer::RadioTestServer(QByteArray reply) : m_reply(std::move(reply)) {
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("the test radio server cannot listen");
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *connection = m_server.nextPendingConnection()) {
            connection->setParent(this);
            connect(connection, &QTcpSocket::readyRead, this, [this, connection] { serve(connection); });
        }
    });
}

void RadioTestServer::setPace(qsizetype pieceBytes, int intervalMs) {
    m_pieceBytes = pieceBytes;
    m_intervalMs = intervalMs;
}

QUrl RadioTestServer::url(const QString &path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void RadioTestServer::serve(QTcpSocket *connection) {
    QByteArray head = connection->property("head").toByteArray() + connection->readAll();
    connection->setProperty("head", head);
    if (!head.contains("\r\n\r\n") || connection->property("served").toBool())
        return;
    connection->setProperty("served", true);
    requests.append(head);
    const QByteArray reply = m_reply;
    const bool keepOpen = m_keepOpen;
    if (m_pieceBytes <= 0) {
        connection->write(reply);
        if (!keepOpen)
            connection->disconnectFromHost();
        return;
    }
    auto *pace = new QTimer(connection);
    auto written = std::make_shared<qsizetype>(0);
    connect(pace, &QTimer::timeout, connection, [=, this] {
        connection->write(reply.mid(*written, m_pieceBytes));
        *written += m_pieceBytes;
        if (*written < reply.size())
            return;
        pace->stop();
        if (!keepOpen)
            connection->disconnectFromHost();
    });
    pace->start(m_intervalMs);
}
