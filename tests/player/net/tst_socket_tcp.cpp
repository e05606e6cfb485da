// CSocket over TCP against peers on 127.0.0.1: client runs with their states and event order, the
// send buffer, the receive limit, and a listening socket with the connections it accepts.

#include "common/runtime-error.h"
#include "player/net/CSocket.h"
#include "tests/player/net/socket-peers.h"

#include <QHostInfo>
#include <QTcpSocket>
#include <QtTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray kRequest = "GET / HTTP/1.0\n\n";

// Text with characters of two and three bytes, so that small pieces cut through them.
QByteArray Page() {
    QByteArray page = "HTTP/1.0 200 OK\r\n\r\n";
    for (int i = 0; i < 60; ++i)
        page += QStringLiteral("theSummaries[%1] = 'Café – déjà vu';\n").arg(i).toUtf8();
    return page;
}

QByteArray Pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

enum class Peer { Answers, Pieces, AtOnce, Refuses };
enum class CloseWhen { Never, AtOnce, OnConnect };

// A server that takes connections but leaves their descriptors to the test, unread.
class DescriptorServer : public QTcpServer {
public:
    QList<qintptr> descriptors;
    ~DescriptorServer() override {
        for (qintptr descriptor : descriptors)
            ::close(static_cast<int>(descriptor));
    }

protected:
    void incomingConnection(qintptr descriptor) override { descriptors << descriptor; }
};

} // namespace

Q_DECLARE_METATYPE(Peer)
Q_DECLARE_METATYPE(CloseWhen)

class SocketTcpTest : public QObject {
    Q_OBJECT
    PrivateConfigHome configHome;

private slots:
    void clientRun_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<Peer>("peer");
        QTest::addColumn<CloseWhen>("closeWhen");
        QTest::addColumn<int>("stateAfterConnect");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("finalState");
        QTest::addColumn<bool>("handleKept");

        const QStringList fetched{"OnConnect@7", "OnSendProgress 16 0@7", "OnSendComplete@7",
                                  "OnDataArrival@7", "OnClose@0"};
        QTest::newRow("address, answers and closes")
            << "127.0.0.1" << 0 << Peer::Answers << CloseWhen::Never << 6 << fetched << 0 << false;
        QTest::newRow("name, answers and closes")
            << "localhost" << 0 << Peer::Answers << CloseWhen::Never << 4 << fetched << 0 << false;
        QTest::newRow("answer in many small pieces")
            << "127.0.0.1" << 0 << Peer::Pieces << CloseWhen::Never << 6 << fetched << 0 << false;
        QTest::newRow("peer sends at once and closes")
            << "127.0.0.1" << 0 << Peer::AtOnce << CloseWhen::Never << 6
            << QStringList{"OnConnect@7", "OnDataArrival@7", "OnClose@0"} << 0 << false;
        QTest::newRow("owner closes after the request")
            << "127.0.0.1" << 0 << Peer::Answers << CloseWhen::OnConnect << 6
            << QStringList{"OnConnect@7", "OnSendProgress 16 0@7", "OnSendComplete@8", "OnDataArrival@8",
                           "OnClose@0"}
            << 0 << false;
        QTest::newRow("closed port") << "127.0.0.1" << 0 << Peer::Refuses << CloseWhen::Never << 6
                                     << QStringList{"OnError 10061 Connection refused.@9"} << 9 << false;
        QTest::newRow("unresolvable name")
            << "no-such-host.invalid" << 0 << Peer::Answers << CloseWhen::Never << 4
            << QStringList{"OnError 11001 Host not found.@9"} << 9 << true;
        QTest::newRow("port out of range, by name")
            << "localhost" << 70000 << Peer::Answers << CloseWhen::Never << 4
            << QStringList{"OnError 6 Overflow@5"} << 5 << true;
        QTest::newRow("closed while resolving")
            << "localhost" << 0 << Peer::Answers << CloseWhen::AtOnce << 4 << QStringList{} << 0 << false;
        QTest::newRow("closed while connecting")
            << "127.0.0.1" << 0 << Peer::Answers << CloseWhen::AtOnce << 6 << QStringList{} << 0 << false;
    }

    void clientRun() {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(Peer, peer);
        QFETCH(CloseWhen, closeWhen);
        QFETCH(int, stateAfterConnect);
        QFETCH(QStringList, events);
        QFETCH(int, finalState);
        QFETCH(bool, handleKept);

        ReplyServer server(Page(),
                           peer == Peer::AtOnce ? ReplyServer::When::AtOnce : ReplyServer::When::AfterRequest,
                           peer == Peer::Pieces ? 37 : 0);
        if (port == 0)
            port = peer == Peer::Refuses ? FreePort() : server.port();

        CSocket socket;
        EventLog log(socket);
        log.onConnect = [&] {
            if (peer != Peer::AtOnce)
                socket.SendData(QString::fromLatin1(kRequest));
            if (closeWhen == CloseWhen::OnConnect)
                socket.CloseSocket();
        };
        socket.setRemoteHost(host);
        socket.setRemotePort(port);
        socket.Connect();
        QCOMPARE(socket.State(), stateAfterConnect);
        if (closeWhen == CloseWhen::AtOnce) {
            socket.CloseSocket();
            QCOMPARE(socket.State(), 0);
        }

        QTRY_COMPARE(log.events, events);
        QTest::qWait(100);
        QCOMPARE(log.events, events);
        QCOMPARE(socket.State(), finalState);
        QCOMPARE(socket.SocketHandle() != -1, handleKept);
        if (events.contains("OnClose@0")) {
            QCOMPARE(log.data, Page());
            QCOMPARE(socket.RemoteHostIP(), QStringLiteral("127.0.0.1"));
            if (peer != Peer::AtOnce)
                QCOMPARE(server.request, kRequest);
        }
    }

    void portOutOfRangeIsOverflow() {
        CSocket socket;
        try {
            socket.Connect(QStringLiteral("127.0.0.1"), 65536);
            QFAIL("no error raised");
        } catch (const common::RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
        QCOMPARE(socket.State(), 0);
    }

    void secondSendReplacesUnsentRest() {
        DescriptorServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        CSocket socket;
        EventLog log(socket);
        socket.Connect(QStringLiteral("127.0.0.1"), server.serverPort());
        QTRY_COMPARE(socket.State(), 7);
        QCOMPARE(server.descriptors.size(), 1);
        const int peer = static_cast<int>(server.descriptors.first());

        // More than the system buffers while the peer does not read.
        const QByteArray first = Pattern(32 << 20);
        socket.SendData(first);
        QCOMPARE(log.events.size(), 2);
        const QStringList progress = log.events.last().split(QLatin1Char(' '));
        const int sent = progress.value(1).toInt();
        QVERIFY2(sent > 0 && sent < first.size(), qPrintable(log.events.last()));
        socket.SendData(QByteArray("tail"));

        fcntl(peer, F_SETFL, fcntl(peer, F_GETFL) | O_NONBLOCK);
        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                char buffer[65536];
                ssize_t count;
                while ((count = ::recv(peer, buffer, sizeof buffer, 0)) > 0)
                    received.append(buffer, count);
                return log.events.last() == "OnSendComplete@7";
            }(),
            20000);
        QCOMPARE(received.size(), sent + 4);
        QVERIFY(received.startsWith(first.left(sent)));
        QVERIFY(received.endsWith("tail"));
    }

    void receiveBufferIsBounded() {
        const QByteArray stream = Pattern(8 << 20);
        ReplyServer server(stream, ReplyServer::When::AtOnce);
        CSocket socket;
        EventLog log(socket, EventLog::Take::Nothing);
        socket.Connect(QStringLiteral("127.0.0.1"), server.port());

        QTRY_VERIFY(socket.BytesReceived() >= CSocket::ReceiveBufferLimit / 2);
        QTest::qWait(300);
        QVERIFY(socket.BytesReceived() <= CSocket::ReceiveBufferLimit);
        QVariant held;
        socket.PeekData(held, VarType::ByteArray);
        QCOMPARE(held.toByteArray().size(), socket.BytesReceived());
        QVERIFY(!log.events.contains("OnClose@0"));

        // Taking the data lets the rest in, none of it lost.
        log.take = EventLog::Take::AsBytes;
        QVariant first;
        socket.GetData(first, VarType::ByteArray);
        log.data = first.toByteArray();
        QTRY_COMPARE_WITH_TIMEOUT(log.events.last(), QStringLiteral("OnClose@0"), 20000);
        QCOMPARE(log.data.size(), stream.size());
        QVERIFY(log.data == stream);
    }

    void listenAndAccept() {
        CSocket listener, acceptor, client;
        listener.Bind(0, QStringLiteral("127.0.0.1"));
        listener.Listen();
        QCOMPARE(listener.State(), 2);
        QVERIFY(listener.LocalPort() > 0);
        connect(&listener, &CSocket::OnConnectionRequest, &acceptor, &CSocket::Accept);
        EventLog clientLog(client), acceptorLog(acceptor);

        client.Connect(QStringLiteral("127.0.0.1"), listener.LocalPort());
        QTRY_COMPARE(acceptor.State(), 7);
        QTRY_COMPARE(client.State(), 7);
        QCOMPARE(acceptor.LocalPort(), listener.LocalPort());
        QCOMPARE(acceptor.RemoteHostIP(), QStringLiteral("127.0.0.1"));
        QCOMPARE(acceptor.RemotePort(), client.LocalPort());
        QCOMPARE(client.LocalIP(), QStringLiteral("127.0.0.1"));
        QVERIFY(!client.LocalHostName().isEmpty());

        acceptor.SendData(QStringLiteral("hello"));
        QTRY_COMPARE(clientLog.data, QByteArray("hello"));
        client.SendData(QStringLiteral("back"));
        QTRY_COMPARE(acceptorLog.data, QByteArray("back"));

        client.CloseSocket();
        QCOMPARE(client.State(), 8);
        QTRY_COMPARE(clientLog.events.last(), QStringLiteral("OnClose@0"));
        QCOMPARE(acceptorLog.events.last(), QStringLiteral("OnClose@0"));
        QCOMPARE(acceptor.SocketHandle(), -1);
        QCOMPARE(listener.State(), 2);
    }

    // The connect never waits for the resolver: OnConnect sees the local address, and the name a reverse
    // lookup gives for it replaces the address soon after.
    void localHostNameIsLookedUpAfterTheConnect() {
        ReplyServer server("never sent: no request comes", ReplyServer::When::AfterRequest);
        CSocket client;
        QString atConnect;
        connect(&client, &CSocket::OnConnect, this, [&] { atConnect = client.LocalHostName(); });
        client.Connect(QStringLiteral("127.0.0.1"), server.port());
        QTRY_COMPARE(client.State(), 7);
        QCOMPARE(atConnect, QStringLiteral("127.0.0.1"));
        QTRY_COMPARE(client.LocalHostName(), QHostInfo::fromName(QStringLiteral("127.0.0.1")).hostName());
    }

    void unacceptedRequestIsClosed() {
        CSocket listener, client;
        listener.Bind(0, QStringLiteral("127.0.0.1"));
        listener.Listen();
        EventLog listenerLog(listener), clientLog(client);
        client.Connect(QStringLiteral("127.0.0.1"), listener.LocalPort());
        QTRY_COMPARE(clientLog.events, (QStringList{"OnConnect@7", "OnClose@0"}));
        QCOMPARE(listenerLog.events, QStringList{"OnConnectionRequest@2"});
    }

    void listenOnBusyPortFails() {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost));
        CSocket socket;
        EventLog log(socket);
        socket.Bind(other.serverPort(), QStringLiteral("127.0.0.1"));
        QCOMPARE(socket.LastError().Number, 10048);
        QCOMPARE(socket.LastError().Description, QStringLiteral("Address already in use."));
        socket.Listen();
        QCOMPARE(socket.State(), 9);
        QTest::qWait(50);
        QVERIFY(log.events.isEmpty());
    }

    void destroyedWhileResolvingIsSafe() {
        // The survivor keeps the notification object alive while the others die waiting for answers.
        CSocket survivor;
        EventLog log(survivor);
        survivor.Connect(QStringLiteral("no-such-host.invalid"), 80);
        for (const char *name : {"no-such-host.invalid", "localhost"}) {
            auto *doomed = new CSocket;
            doomed->Connect(QString::fromLatin1(name), 80);
            delete doomed;
        }
        QTRY_COMPARE(log.events, QStringList{"OnError 11001 Host not found.@9"});
        QTest::qWait(100);
        QCOMPARE(log.events.size(), 1);
    }
};

QTEST_GUILESS_MAIN(SocketTcpTest)
#include "tst_socket_tcp.moc"
