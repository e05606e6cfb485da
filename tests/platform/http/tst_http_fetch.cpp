// HTTP(S) downloads against local servers: HTTPS with a certificate only this test trusts, the
// program's User-Agent, redirect chains, packed replies, the size and time limits, and a fetch that
// is abandoned.

#include "platform/http/http-fetch.h"
#include "platform/http/http-get.h"
#include "tests/support/http-test-server.h"
#include "tests/support/test-certificate.h"

#include <QSignalSpy>
#include <QtTest>

using platform::http::Fetch;
using platform::http::Get;
using platform::http::Reply;

Q_DECLARE_METATYPE(HttpTestServer::Route)

namespace {

constexpr qint64 kCap = 1 << 20;

// `body` packed as a server sends it with "Content-Encoding: deflate".
QByteArray Deflated(const QByteArray &body) { return qCompress(body).mid(4); }

} // namespace

class HttpFetchTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<HttpTestServer> m_https, m_http, m_stranger;

private slots:
    void initTestCase() {
        const QSslConfiguration tls = MakeTestServerTls();
        TrustInThisProcess(tls);
        m_https = std::make_unique<HttpTestServer>(tls);
        m_http = std::make_unique<HttpTestServer>();
        // A server whose certificate nobody trusts.
        m_stranger = std::make_unique<HttpTestServer>(MakeTestServerTls());
        m_stranger->route("/feed", {200, "secret"});
        for (int hop = 1; hop <= 6; ++hop)
            m_https->route(QStringLiteral("/hop%1").arg(hop),
                           {302, {}, hop == 6 ? QByteArray("/feed") : "/hop" + QByteArray::number(hop + 1)});
        m_https->route("/feed", {200, "<rss/>"});
        m_https->route("/packed", {200, Deflated("headlines"), {}, false, "deflate"});
        m_https->route("/bomb", {200, Deflated(QByteArray(5 << 20, ' ')), {}, false, "deflate"});
        m_https->route("/large", {200, QByteArray(kCap + 1, 'x')});
        m_https->route("/exact", {200, QByteArray(kCap, 'x')});
        m_https->route("/silent", {200, {}, {}, true});
        m_https->route("/gone", {404, "not here"});
        m_https->route("/to-http", {302, {}, m_http->url("/feed").toEncoded()});
        m_http->route("/feed", {200, "plain"});
        m_http->route("/to-https", {301, {}, m_https->url("/feed").toEncoded()});
    }

    void fetch_data() {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("error"); // the start of the message; empty for a success

        QTest::newRow("HTTPS") << m_https->url("/feed") << QByteArray("<rss/>") << QString();
        QTest::newRow("plain HTTP") << m_http->url("/feed") << QByteArray("plain") << QString();
        QTest::newRow("HTTP sent on to HTTPS")
            << m_http->url("/to-https") << QByteArray("<rss/>") << QString();
        QTest::newRow("five redirects") << m_https->url("/hop2") << QByteArray("<rss/>") << QString();
        QTest::newRow("six redirects") << m_https->url("/hop1") << QByteArray() << "The download from";
        QTest::newRow("HTTPS sent on to HTTP")
            << m_https->url("/to-http") << QByteArray() << "The download from";
        QTest::newRow("an untrusted certificate")
            << m_stranger->url("/feed") << QByteArray() << "The download from";
        QTest::newRow("packed") << m_https->url("/packed") << QByteArray("headlines") << QString();
        QTest::newRow("packed past the limit")
            << m_https->url("/bomb") << QByteArray() << "The reply from 127.0.0.1 is larger than 1024 KiB";
        QTest::newRow("past the limit")
            << m_https->url("/large") << QByteArray() << "The reply from 127.0.0.1 is larger than 1024 KiB";
        QTest::newRow("at the limit") << m_https->url("/exact") << QByteArray(kCap, 'x') << QString();
        QTest::newRow("no answer") << m_https->url("/silent") << QByteArray()
                                   << "The server at 127.0.0.1 did not answer within 0.5 seconds.";
        QTest::newRow("not found") << m_https->url("/gone") << QByteArray()
                                   << "The download from " + m_https->url("/gone").toString() +
                                          " failed: the server answered 404 Canned.";
    }

    void fetch() {
        QFETCH(QUrl, url);
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        Fetch fetch(url, 500, kCap);
        QSignalSpy finished(&fetch, &Fetch::finished);
        QVERIFY(finished.wait(5000));
        const auto reply = finished.first().first().value<Reply>();
        QVERIFY2(reply.error.startsWith(error) && reply.ok() == error.isEmpty(), qPrintable(reply.error));
        QCOMPARE(reply.body, body);
        QCOMPARE(finished.size(), 1);
    }

    void namesTheProgram() {
        QVERIFY(Get(m_https->url("/feed"), 5000, kCap).ok());
        QVERIFY2(m_https->requestHeaders.last().contains("User-Agent: Tunelark/" TUNELARK_VERSION "\r\n"),
                 m_https->requestHeaders.last().constData());
    }

    void abandonedFetchSaysNothing() {
        auto fetch = std::make_unique<Fetch>(m_https->url("/silent"), 200, kCap);
        QSignalSpy finished(fetch.get(), &Fetch::finished);
        fetch.reset();
        QTest::qWait(400);
        QCOMPARE(finished.size(), 0);
    }
};

QTEST_MAIN(HttpFetchTest)
#include "tst_http_fetch.moc"
