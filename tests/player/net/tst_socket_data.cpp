// What SendData puts on the wire for each value type and what GetData and PeekData make of received
// bytes, through a real connection on 127.0.0.1.

#include "player/net/CSocket.h"
#include "tests/player/net/socket-peers.h"

#include <QDateTime>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

class SocketDataTest : public QObject {
    Q_OBJECT
    PrivateConfigHome configHome;
    QTcpServer server;
    std::unique_ptr<CSocket> socket;
    QTcpSocket *peer = nullptr;

    // Hands `bytes` to the socket and waits until it holds them.
    void receive(const QByteArray &bytes) {
        peer->write(bytes);
        QTRY_COMPARE(socket->BytesReceived(), int(bytes.size()));
    }

private slots:
    void initTestCase() { QVERIFY(server.listen(QHostAddress::LocalHost)); }

    void init() {
        socket = std::make_unique<CSocket>();
        socket->Connect(QStringLiteral("127.0.0.1"), server.serverPort());
        QTRY_COMPARE(socket->State(), 7);
        QTRY_VERIFY(server.hasPendingConnections());
        peer = server.nextPendingConnection();
    }

    void cleanup() {
        socket.reset();
        delete peer;
        peer = nullptr;
    }

    void typedValues_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("varType");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("integer") << QVariant::fromValue<qint16>(-2) << int(VarType::Integer)
                                 << QByteArray("\xFE\xFF", 2);
        QTest::newRow("long") << QVariant::fromValue<qint32>(0x01020304) << int(VarType::Long)
                              << QByteArray("\x04\x03\x02\x01", 4);
        QTest::newRow("single") << QVariant(1.5f) << int(VarType::Single)
                                << QByteArray("\x00\x00\xC0\x3F", 4);
        QTest::newRow("double") << QVariant(-2.5) << int(VarType::Double)
                                << QByteArray("\x00\x00\x00\x00\x00\x00\x04\xC0", 8);
        QTest::newRow("currency 1.5") << QVariant::fromValue(Currency{15000}) << int(VarType::Currency)
                                      << QByteArray("\x98\x3A\x00\x00\x00\x00\x00\x00", 8);
        QTest::newRow("date, 1 January 1900 noon")
            << QVariant(QDateTime(QDate(1900, 1, 1), QTime(12, 0))) << int(VarType::Date)
            << QByteArray("\x00\x00\x00\x00\x00\x00\x04\x40", 8);
        QTest::newRow("date before day zero keeps its time")
            << QVariant(QDateTime(QDate(1899, 12, 29), QTime(6, 0))) << int(VarType::Date)
            << QByteArray("\x00\x00\x00\x00\x00\x00\xF4\xBF", 8);
        QTest::newRow("true") << QVariant(true) << int(VarType::Boolean) << QByteArray("\xFF\xFF", 2);
        QTest::newRow("false") << QVariant(false) << int(VarType::Boolean) << QByteArray("\x00\x00", 2);
        QTest::newRow("byte") << QVariant::fromValue<quint8>(200) << int(VarType::Byte)
                              << QByteArray("\xC8", 1);
        QTest::newRow("byte array") << QVariant(QByteArray("\x00\x01\xFF", 3)) << int(VarType::ByteArray)
                                    << QByteArray("\x00\x01\xFF", 3);
        QTest::newRow("text as UTF-8")
            << QVariant(QStringLiteral("café")) << int(VarType::String) << QByteArray("caf\xC3\xA9");
    }

    void typedValues() {
        QFETCH(QVariant, value);
        QFETCH(int, varType);
        QFETCH(QByteArray, bytes);

        socket->SendData(value);
        QTRY_COMPARE(peer->bytesAvailable(), bytes.size());
        QCOMPARE(peer->readAll(), bytes);

        receive(bytes);
        QVariant taken;
        socket->GetData(taken, static_cast<VarType>(varType));
        QCOMPARE(taken, value);
        QCOMPARE(socket->BytesReceived(), 0);
    }

    void takeData_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<bool>("peek");
        QTest::addColumn<int>("varType");
        QTest::addColumn<int>("maxLen");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<int>("remaining");
        const QByteArray hello = "HELLO WORLD";
        const int text = int(VarType::String);
        QTest::newRow("get, no type, no length")
            << hello << false << text << 0 << QVariant("HELLO WORLD") << 0;
        QTest::newRow("peek leaves the data") << hello << true << text << 0 << QVariant("HELLO WORLD") << 11;
        QTest::newRow("get the first five") << hello << false << text << 5 << QVariant("HELLO") << 6;
        QTest::newRow("peek the first five") << hello << true << text << 5 << QVariant("HELLO") << 11;
        QTest::newRow("length past the end takes all")
            << hello << false << text << 50 << QVariant("HELLO WORLD") << 0;
        QTest::newRow("negative length takes all")
            << hello << false << text << -3 << QVariant("HELLO WORLD") << 0;
        QTest::newRow("bytes by length")
            << hello << false << int(VarType::ByteArray) << 3 << QVariant(QByteArray("HEL")) << 8;
        QTest::newRow("long from two bytes, the rest as zero")
            << QByteArray("\x01\x02", 2) << false << int(VarType::Long) << 0
            << QVariant::fromValue<qint32>(0x0201) << 0;
        QTest::newRow("nothing received leaves the value")
            << QByteArray() << false << text << 0 << QVariant("unchanged") << 0;
    }

    void takeData() {
        QFETCH(QByteArray, received);
        QFETCH(bool, peek);
        QFETCH(int, varType);
        QFETCH(int, maxLen);
        QFETCH(QVariant, expected);
        QFETCH(int, remaining);

        if (!received.isEmpty())
            receive(received);
        QVariant taken(QStringLiteral("unchanged"));
        if (peek)
            socket->PeekData(taken, static_cast<VarType>(varType), maxLen);
        else
            socket->GetData(taken, static_cast<VarType>(varType), maxLen);
        QCOMPARE(taken, expected);
        QCOMPARE(socket->BytesReceived(), remaining);
    }

    void textSplitBetweenReadsStaysWhole() {
        receive("caf\xC3\xA9");
        QVariant first, second;
        socket->GetData(first, VarType::String, 4);
        socket->GetData(second);
        QCOMPARE(first.toString() + second.toString(), QStringLiteral("café"));
    }
};

QTEST_GUILESS_MAIN(SocketDataTest)
#include "tst_socket_data.moc"
