// CSocket over UDP against an echo peer on 127.0.0.1, and the broadcast switch of ".255" addresses.

#include "player/net/CSocket.h"
#include "tests/player/net/socket-peers.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>
#include <sys/socket.h>

namespace {

int BroadcastOption(int handle) {
    int value = -1;
    socklen_t length = sizeof value;
    getsockopt(handle, SOL_SOCKET, SO_BROADCAST, &value, &length);
    return value;
}

} // namespace

class SocketUdpTest : public QObject {
    Q_OBJECT
    PrivateConfigHome configHome;

private slots:
    void echoRoundTrip_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("address") << "127.0.0.1"
                                 << QStringList{"OnSendProgress 4 0@0", "OnSendComplete@0",
                                                "OnDataArrival@0"};
        QTest::newRow("name, looked up first") << "localhost"
                                               << QStringList{"OnSendProgress 0 4@0", "OnSendProgress 4 0@5",
                                                              "OnSendComplete@5", "OnDataArrival@5"};
    }

    void echoRoundTrip() {
        QFETCH(QString, host);
        QFETCH(QStringList, events);
        QUdpSocket echo;
        QVERIFY(echo.bind(QHostAddress::LocalHost, 0));
        connect(&echo, &QUdpSocket::readyRead, &echo, [&echo] {
            while (echo.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = echo.receiveDatagram();
                echo.writeDatagram(datagram.data(), datagram.senderAddress(), datagram.senderPort());
            }
        });

        CSocket socket;
        socket.setProtocol(CSocket::UDP);
        socket.Bind(0, QStringLiteral("127.0.0.1"));
        QVERIFY(socket.LocalPort() > 0);
        socket.setRemoteHost(host);
        socket.setRemotePort(echo.localPort());
        EventLog log(socket);
        socket.SendData(QStringLiteral("ping"));

        QTRY_COMPARE(log.data, QByteArray("ping"));
        QCOMPARE(log.events, events);
        QCOMPARE(socket.RemoteHostIP(), QStringLiteral("127.0.0.1"));
        QCOMPARE(socket.RemotePort(), int(echo.localPort()));
        QCOMPARE(socket.RemoteHost(), QStringLiteral("localhost"));
    }

    void broadcastFollowsTheAddress() {
        QUdpSocket sink;
        QVERIFY(sink.bind(QHostAddress::LocalHost, 0));
        CSocket socket;
        socket.setProtocol(CSocket::UDP);
        socket.setRemotePort(sink.localPort());
        EventLog log(socket);

        socket.setRemoteHost(QStringLiteral("127.255.255.255"));
        QVERIFY(socket.SocketHandle() != -1);
        QCOMPARE(BroadcastOption(socket.SocketHandle()), 1);
        // The system refuses a broadcast without the option; with it the datagram goes out.
        socket.SendData(QStringLiteral("all"));
        QTRY_COMPARE(log.events, (QStringList{"OnSendProgress 3 0@0", "OnSendComplete@0"}));

        socket.setRemoteHost(QStringLiteral("127.0.0.1"));
        QCOMPARE(BroadcastOption(socket.SocketHandle()), 0);

        socket.setProtocol(CSocket::TCP);
        QCOMPARE(socket.Protocol(), int(CSocket::UDP));

        CSocket stream;
        stream.setRemoteHost(QStringLiteral("127.255.255.255"));
        QCOMPARE(stream.SocketHandle(), -1);
        QCOMPARE(stream.RemoteHostIP(), QStringLiteral("127.255.255.255"));
    }
};

QTEST_GUILESS_MAIN(SocketUdpTest)
#include "tst_socket_udp.moc"
