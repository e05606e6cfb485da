#pragma once
// What the CSocket tests share: an event recorder, a TCP peer that answers, free ports, and a private
// settings folder. Every peer listens on 127.0.0.1 only.

#include "player/net/CSocket.h"

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <functional>

// Points XDG_CONFIG_HOME at a temporary folder while it lives.
class PrivateConfigHome {
public:
    PrivateConfigHome();

private:
    QTemporaryDir m_dir;
};

// Records a CSocket's events as "Name@state": "OnError <number> <description>@state",
// "OnSendProgress <sent> <remaining>@state", a run of OnDataArrival folded into one entry.
class EventLog {
public:
    enum class Take { AsText, AsBytes, Nothing };
    explicit EventLog(CSocket &socket, Take take = Take::AsText);

    QStringList events;
    // What OnDataArrival took with GetData (text as UTF-8).
    QByteArray data;
    Take take;
    // Runs after OnConnect is recorded.
    std::function<void()> onConnect;

private:
    void add(const QString &event);
    CSocket &m_socket;
    // Ends the connections with the log.
    QObject m_context;
};

// A TCP peer: each connection gets `reply`, at once or after the request's blank line ("\n\n"),
// whole or in pieces a timer tick apart, and is then closed.
class ReplyServer : public QObject {
public:
    enum class When { AfterRequest, AtOnce };
    ReplyServer(QByteArray reply, When when, int pieceSize = 0);
    quint16 port() const { return m_server.serverPort(); }
    // What the last connection sent.
    QByteArray request;

private:
    void serve(QTcpSocket *socket);
    void reply(QTcpSocket *socket);

    QTcpServer m_server;
    QByteArray m_reply;
    When m_when;
    int m_pieceSize;
};

// A port on 127.0.0.1 that nothing listens on.
quint16 FreePort();
