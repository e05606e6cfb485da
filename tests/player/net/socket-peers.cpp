#include "tests/player/net/socket-peers.h"

#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

PrivateConfigHome::PrivateConfigHome() { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }

EventLog::EventLog(CSocket &socket, Take take) : take(take), m_socket(socket) {
    QObject::connect(&socket, &CSocket::OnConnect, &m_context, [this] {
        add(QStringLiteral("OnConnect"));
        if (onConnect)
            onConnect();
    });
    QObject::connect(&socket, &CSocket::OnClose, &m_context, [this] { add(QStringLiteral("OnClose")); });
    QObject::connect(&socket, &CSocket::OnSendComplete, &m_context,
                     [this] { add(QStringLiteral("OnSendComplete")); });
    QObject::connect(&socket, &CSocket::OnSendProgress, &m_context, [this](int sent, int remaining) {
        add(QStringLiteral("OnSendProgress %1 %2").arg(sent).arg(remaining));
    });
    QObject::connect(&socket, &CSocket::OnConnectionRequest,
                     [this](int) { add(QStringLiteral("OnConnectionRequest")); });
    QObject::connect(&socket, &CSocket::OnError,
                     [this](short number, const QString &description, int, const QString &, const QString &,
                            int,
                            bool &) { add(QStringLiteral("OnError %1 %2").arg(number).arg(description)); });
    QObject::connect(&socket, &CSocket::OnDataArrival, &m_context, [this](int) {
        if (events.isEmpty() || !events.last().startsWith(QLatin1String("OnDataArrival")))
            add(QStringLiteral("OnDataArrival"));
        QVariant value;
        if (this->take == Take::AsText) {
            m_socket.GetData(value);
            data += value.toString().toUtf8();
        } else if (this->take == Take::AsBytes) {
            m_socket.GetData(value, VarType::ByteArray);
            data += value.toByteArray();
        }
    });
}

void EventLog::add(const QString &event) {
    events << event + QLatin1Char('@') + QString::number(m_socket.State());
}

ReplyServer::ReplyServer(QByteArray reply, When when, int pieceSize)
    : m_reply(std::move(reply)), m_when(when), m_pieceSize(pieceSize) {
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("the test server cannot listen");
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection())
            serve(socket);
    });
}

void ReplyServer::serve(QTcpSocket *socket) {
    request.clear();
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (m_when == When::AtOnce) {
        reply(socket);
        return;
    }
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        const bool complete = request.contains("\n\n");
        request += socket->readAll();
        if (!complete && request.contains("\n\n"))
            reply(socket);
    });
}

void ReplyServer::reply(QTcpSocket *socket) {
    if (m_pieceSize <= 0) {
        socket->write(m_reply);
        socket->disconnectFromHost();
        return;
    }
    auto *timer = new QTimer(socket);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(1);
    connect(timer, &QTimer::timeout, socket, [this, socket, timer, sent = 0]() mutable {
        socket->write(m_reply.mid(sent, m_pieceSize));
        socket->flush();
        sent += m_pieceSize;
        if (sent >= m_reply.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start();
}

quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        qFatal("no free port");
    return probe.serverPort();
}
