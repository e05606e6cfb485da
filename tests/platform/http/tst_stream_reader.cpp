// The open-ended stream read against local servers: SHOUTcast's "ICY 200 OK" and HTTP/1.x heads, the
// request a station sees, redirects (with their limit and never from HTTPS to HTTP), refusing statuses,
// heads that are too large or not HTTP, a closed port and a station that goes quiet.

#include "platform/http/stream-reader.h"
#include "tests/support/http-test-server.h"
#include "tests/support/radio-test-server.h"
#include "tests/support/test-certificate.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using platform::http::ResponseHead;
using platform::http::StreamReader;

namespace {

struct Outcome {
    bool started = false;
    ResponseHead head;
    QUrl url;
    QByteArray body;
    QString reason;
};

// Reads `url` until the stream ends.
Outcome ReadStream(const QUrl &url, int silenceLimitMs = 5000) {
    Outcome outcome;
    StreamReader reader(url, silenceLimitMs);
    QObject::connect(&reader, &StreamReader::started, [&outcome](const ResponseHead &head, const QUrl &at) {
        outcome.started = true;
        outcome.head = head;
        outcome.url = at;
    });
    QObject::connect(&reader, &StreamReader::received,
                     [&outcome](const QByteArray &bytes) { outcome.body += bytes; });
    QSignalSpy ended(&reader, &StreamReader::ended);
    if (!ended.wait(10000))
        qFatal("the stream read did not end");
    outcome.reason = ended.at(0).at(0).toString();
    return outcome;
}

QByteArray Body() {
    QByteArray body;
    for (int i = 0; i < 100000; ++i)
        body += char(i * 7 % 256);
    return body;
}

} // namespace

class StreamReaderTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<HttpTestServer> m_https, m_http;

private slots:
    void initTestCase() {
        const QSslConfiguration tls = MakeTestServerTls();
        TrustInThisProcess(tls);
        m_https = std::make_unique<HttpTestServer>(tls);
        m_http = std::make_unique<HttpTestServer>();
    }

    void stationAnswers_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("pieceBytes"); // 0: the whole reply at once
        QTest::newRow("SHOUTcast") << QByteArray(
                                          "ICY 200 OK\r\nicy-metaint: 8192\r\ncontent-type: audio/mpeg\r\n"
                                          "icy-name: Test FM\r\n\r\n")
                                   << 0;
        QTest::newRow("Icecast, in small pieces")
            << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nIcy-MetaInt: 8192\r\n"
                          "icy-name: Test FM\r\n\r\n")
            << 997;
        QTest::newRow("bare line ends")
            << QByteArray("HTTP/1.1 200 OK\nContent-Type: audio/mpeg\nicy-metaint: 8192\n"
                          "icy-name:Test FM\n\n")
            << 0;
    }
    void stationAnswers() {
        QFETCH(QByteArray, head);
        QFETCH(int, pieceBytes);
        RadioTestServer station(head + Body());
        if (pieceBytes > 0)
            station.setPace(pieceBytes, 1);
        const Outcome outcome = ReadStream(station.url());
        QVERIFY(outcome.started);
        QCOMPARE(outcome.head.status, 200);
        QCOMPARE(outcome.head.header("ICY-METAINT"), QByteArray("8192"));
        QCOMPARE(outcome.head.header("content-type"), QByteArray("audio/mpeg"));
        QCOMPARE(outcome.head.header("icy-name"), QByteArray("Test FM"));
        QCOMPARE(outcome.body.size(), Body().size());
        QVERIFY(outcome.body == Body());
        QCOMPARE(outcome.reason, QStringLiteral("the station closed the connection"));
        // What the station saw.
        QCOMPARE(station.requests.size(), 1);
        const QByteArray request = station.requests.first();
        QVERIFY2(request.startsWith("GET /stream HTTP/1.0\r\n"), request);
        QVERIFY2(request.contains("\r\nIcy-MetaData: 1\r\n"), request);
        QVERIFY2(request.contains("\r\nUser-Agent: Tunelark/" TUNELARK_VERSION "\r\n"), request);
        QVERIFY2(
            request.contains(QByteArray("\r\nHost: 127.0.0.1:") + QByteArray::number(station.url().port())),
            request);
    }

    void headArrivesByteByByte() {
        RadioTestServer station("ICY 200 OK\r\nicy-metaint: 16\r\n\r\nbody");
        station.setPace(1, 0);
        const Outcome outcome = ReadStream(station.url());
        QVERIFY(outcome.started);
        QCOMPARE(outcome.head.header("icy-metaint"), QByteArray("16"));
        QCOMPARE(outcome.body, QByteArray("body"));
    }

    void redirectsAreFollowed() {
        RadioTestServer station("ICY 200 OK\r\n\r\nsound");
        const QByteArray target = station.url().toEncoded();
        m_http->route("/moved", {301, {}, target});
        m_http->route("/to-https", {302, {}, m_https->url("/final").toEncoded()});
        m_https->route("/final", {307, {}, target});
        m_https->route("/chain", {302, {}, "/chain2"});
        m_https->route("/chain2", {302, {}, m_https->url("/chain3").toEncoded()});
        m_https->route("/chain3", {200, "tls stream"});

        Outcome outcome = ReadStream(m_http->url("/moved"));
        QVERIFY(outcome.started);
        QCOMPARE(outcome.body, QByteArray("sound"));
        QCOMPARE(outcome.url, station.url());

        outcome = ReadStream(m_https->url("/chain"));
        QVERIFY2(outcome.started, qPrintable(outcome.reason));
        QCOMPARE(outcome.body, QByteArray("tls stream"));

        // HTTPS never hands over to plain HTTP.
        outcome = ReadStream(m_http->url("/to-https"));
        QVERIFY(!outcome.started);
        QVERIFY2(outcome.reason.contains(QStringLiteral("not secure")), qPrintable(outcome.reason));
        QVERIFY(station.requests.size() == 1);

        // Six hops: one too many.
        for (int hop = 1; hop <= 6; ++hop)
            m_https->route(QStringLiteral("/hop%1").arg(hop),
                           {302, {}, "/hop" + QByteArray::number(hop + 1)});
        outcome = ReadStream(m_https->url("/hop1"));
        QVERIFY(!outcome.started);
        QCOMPARE(outcome.reason, QStringLiteral("127.0.0.1 redirected more than 5 times"));
    }

    void stationRefuses_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("reason");
        QTest::newRow("404") << QByteArray("HTTP/1.0 404 Not Found\r\n\r\nnope")
                             << QStringLiteral("the server answered 404 Not Found");
        QTest::newRow("ICY 401") << QByteArray("ICY 401 Service Unavailable\r\n\r\n")
                                 << QStringLiteral("the server answered 401 Service Unavailable");
        QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n\r\n")
                                  << QStringLiteral("127.0.0.1: the server's reply is not HTTP");
        QTest::newRow("status without digits") << QByteArray("HTTP/1.0 2x0 OK\r\n\r\n")
                                               << QStringLiteral("127.0.0.1: the server's reply is not HTTP");
        QTest::newRow("header line without a name")
            << QByteArray("ICY 200 OK\r\n: value\r\n\r\n")
            << QStringLiteral("127.0.0.1: the server sent a malformed header line");
        QTest::newRow("head larger than 16 KiB")
            << "ICY 200 OK\r\nX-Filler: " + QByteArray(20000, 'x') + "\r\n\r\n"
            << QStringLiteral("127.0.0.1 sent a reply head larger than 16 KiB");
        QTest::newRow("closed before the head ended")
            << QByteArray("ICY 200 OK\r\nicy-metaint: 16\r\n")
            << QStringLiteral("127.0.0.1 closed the connection without answering");
    }
    void stationRefuses() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, reason);
        RadioTestServer station(reply);
        const Outcome outcome = ReadStream(station.url());
        QVERIFY(!outcome.started);
        QVERIFY(outcome.body.isEmpty());
        QCOMPARE(outcome.reason, reason);
    }

    void nobodyListens() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        const Outcome outcome = ReadStream(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
        QVERIFY(!outcome.started);
        QVERIFY2(outcome.reason.startsWith(QStringLiteral("the connection to 127.0.0.1 failed: ")),
                 qPrintable(outcome.reason));
    }

    void notAWebAddress() {
        const Outcome outcome = ReadStream(QUrl(QStringLiteral("ftp://127.0.0.1/radio")));
        QCOMPARE(outcome.reason, QStringLiteral("ftp://127.0.0.1/radio is not an http or https address"));
    }

    void stationGoesQuiet() {
        RadioTestServer station("ICY 200 OK\r\n\r\nfirst bytes");
        station.setKeepOpen(true);
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = ReadStream(station.url(), 300);
        QVERIFY(outcome.started);
        QCOMPARE(outcome.body, QByteArray("first bytes"));
        QCOMPARE(outcome.reason, QStringLiteral("127.0.0.1 sent nothing for 0.3 seconds"));
        QVERIFY(clock.elapsed() < 3000);
    }
};

QTEST_GUILESS_MAIN(StreamReaderTest)
#include "tst_stream_reader.moc"
