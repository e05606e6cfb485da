// The sockets layer against peers on 127.0.0.1: which notices its readiness turns into, and when.

#include "platform/sockets/bsd-socket.h"
#include "platform/sockets/notification-object.h"
#include "platform/sockets/winsock-codes.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>

namespace sockets = platform::sockets;

namespace {

constexpr int kAllEvents =
    sockets::FdRead | sockets::FdWrite | sockets::FdAccept | sockets::FdConnect | sockets::FdClose;
constexpr quint32 kLoopback = 0x7F000001;

// Notices as "handle event error".
class NoticeLog {
public:
    explicit NoticeLog(sockets::NotificationObject &target) {
        QObject::connect(&target, &sockets::NotificationObject::SocketNotice, &m_context,
                         [this](int handle, int event, int error) {
                             notices << QStringLiteral("%1 %2 %3").arg(handle).arg(event).arg(error);
                         });
    }
    QStringList notices;

private:
    // Ends the connection with the log.
    QObject m_context;
};

QString Notice(int handle, int event, int error = 0) {
    return QStringLiteral("%1 %2 %3").arg(handle).arg(event).arg(error);
}

quint16 FreePort() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        qFatal("no free port");
    return probe.serverPort();
}

} // namespace

class SocketsLayerTest : public QObject {
    Q_OBJECT
    QTemporaryDir configHome;
    sockets::NotificationObject target;
    QTcpServer server;
    sockets::Handle handle = sockets::InvalidHandle;

    // A selected stream socket connected to `server`, and the server's side of it.
    QTcpSocket *connectToServer(NoticeLog &log) {
        handle = sockets::Socket(sockets::Kind::Stream);
        if (!sockets::AsyncSelect(handle, &target, kAllEvents) ||
            sockets::Connect(handle, {kLoopback, server.serverPort()}) != -1 ||
            sockets::LastError() != sockets::WsaWouldBlock)
            return nullptr;
        if (!QTest::qWaitFor([&] { return log.notices.size() == 2; }))
            return nullptr;
        log.notices.clear();
        if (!QTest::qWaitFor([&] { return server.hasPendingConnections(); }))
            return nullptr;
        return server.nextPendingConnection();
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
        QVERIFY(server.listen(QHostAddress::LocalHost));
    }

    void cleanup() {
        if (handle != sockets::InvalidHandle)
            sockets::Close(handle);
        handle = sockets::InvalidHandle;
        while (server.hasPendingConnections())
            delete server.nextPendingConnection();
    }

    void connectEndsWithANotice_data() {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<QList<int>>("errors");
        QTest::newRow("accepted: connect, then write") << true << QList<int>{16, 2} << QList<int>{0, 0};
        QTest::newRow("refused: connect with the error") << false << QList<int>{16} << QList<int>{10061};
    }

    void connectEndsWithANotice() {
        QFETCH(bool, listening);
        QFETCH(QList<int>, events);
        QFETCH(QList<int>, errors);
        NoticeLog log(target);
        handle = sockets::Socket(sockets::Kind::Stream);
        QVERIFY(sockets::AsyncSelect(handle, &target, kAllEvents));
        const quint16 port = listening ? server.serverPort() : FreePort();
        QCOMPARE(sockets::Connect(handle, {kLoopback, port}), -1);
        QCOMPARE(sockets::LastError(), int(sockets::WsaWouldBlock));
        QStringList expected;
        for (int i = 0; i < events.size(); ++i)
            expected << Notice(handle, events[i], errors[i]);
        QTRY_COMPARE(log.notices, expected);
        QTest::qWait(50);
        QCOMPARE(log.notices, expected);
    }

    void readNoticeWaitsForTheRead() {
        NoticeLog log(target);
        QTcpSocket *peer = connectToServer(log);
        QVERIFY(peer);
        peer->write("abc");
        QTRY_COMPARE(log.notices, QStringList{Notice(handle, sockets::FdRead)});
        QTest::qWait(50);
        QCOMPARE(log.notices.size(), 1);

        char buffer[8];
        QCOMPARE(sockets::Recv(handle, buffer, 1), 1);
        QTRY_COMPARE(log.notices.size(), 2);
        QCOMPARE(sockets::Recv(handle, buffer, sizeof buffer), 2);
        peer->disconnectFromHost();
        QTRY_COMPARE(log.notices.last(), Notice(handle, sockets::FdClose));
        QTest::qWait(50);
        QCOMPARE(log.notices.size(), 3);
        delete peer;
    }

    void resetArrivesAsCloseWithTheError() {
        NoticeLog log(target);
        QTcpSocket *peer = connectToServer(log);
        QVERIFY(peer);
        const linger abortive{1, 0};
        setsockopt(static_cast<int>(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                   sizeof abortive);
        peer->abort();
        QTRY_COMPARE(log.notices, QStringList{Notice(handle, sockets::FdClose, sockets::WsaConnectionReset)});
        delete peer;
    }

    void noticesOfAClosedHandleNeverReachItsSuccessor() {
        NoticeLog log(target);
        const sockets::Handle first = sockets::Socket(sockets::Kind::Datagram);
        QVERIFY(sockets::AsyncSelect(first, &target, kAllEvents));
        sockets::PostNotice(first, sockets::FdWrite, 0);
        sockets::Close(first);
        handle = sockets::Socket(sockets::Kind::Datagram);
        if (handle != first)
            QSKIP("the system did not reuse the descriptor number");
        QVERIFY(sockets::AsyncSelect(handle, &target, kAllEvents));
        QTest::qWait(50);
        QVERIFY(log.notices.isEmpty());
    }

    void listenNeedsABind() {
        handle = sockets::Socket(sockets::Kind::Stream);
        QCOMPARE(sockets::Listen(handle, 5), -1);
        QCOMPARE(sockets::LastError(), int(sockets::WsaInvalidArgument));
    }
};

QTEST_GUILESS_MAIN(SocketsLayerTest)
#include "tst_sockets_layer.moc"
