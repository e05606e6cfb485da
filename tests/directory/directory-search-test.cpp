// The directory search against directory servers on 127.0.0.1 that speak HTTPS with a certificate only
// this test trusts: the request each server receives, the stations of its answer, one message when no
// server gives a readable answer, the next server tried after one that fails, and a search abandoned.

#include "directory/directory-search.h"
#include "tests/support/http-test-server.h"
#include "tests/support/test-certificate.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(HttpTestServer::Route)
Q_DECLARE_METATYPE(directory::DirectoryQuery)

namespace {

const QString kSearch = QStringLiteral("/json/stations/search?name=jazz&order=clickcount&reverse=true&"
                                       "hidebroken=true&limit=100");

const QByteArray kAnswer =
    R"([{"name": "Jazz One", "url": "http://a.example/one.pls", "url_resolved": "http://a.example/one", )"
    R"("countrycode": "IN", "codec": "MP3", "bitrate": 128, "tags": "jazz,smooth jazz"}, )"
    R"({"name": "Jazz Two", "url": "https://b.example/two", "url_resolved": "", )"
    R"("countrycode": "", "codec": "AAC+", "bitrate": 0, "tags": ""}])";

// An address on 127.0.0.1 where nothing listens.
QUrl DeadServer() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        qFatal("no free port");
    return QUrl(QStringLiteral("https://127.0.0.1:%1").arg(server.serverPort()));
}

QStringList Names(const directory::SearchResult &result) {
    QStringList names;
    for (const directory::DirectoryStation &station : result.stations)
        names << station.name;
    return names;
}

} // namespace

class DirectorySearchTest : public QObject {
    Q_OBJECT
private:
    QSslConfiguration m_tls;

    // Runs a search of "jazz" over the servers and returns its one result.
    static directory::SearchResult Search(const QList<QUrl> &servers) {
        QStringList bases;
        for (const QUrl &server : servers)
            bases << server.toString();
        qputenv("TUNELARK_DIRECTORY_URL", bases.join(QStringLiteral(" , ")).toUtf8());
        directory::DirectoryQuery query;
        query.name = QStringLiteral("jazz");
        directory::DirectorySearch search(query);
        QSignalSpy finished(&search, &directory::DirectorySearch::finished);
        if (!finished.wait(20000))
            qFatal("the search did not finish");
        QTest::qWait(50);
        if (finished.size() != 1)
            qFatal("the search finished more than once");
        return finished.first().first().value<directory::SearchResult>();
    }

private slots:
    void initTestCase() {
        m_tls = MakeTestServerTls();
        TrustInThisProcess(m_tls);
    }
    void cleanup() { qunsetenv("TUNELARK_DIRECTORY_URL"); }

    void searchUrl_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<directory::DirectoryQuery>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every field")
            << "https://de1.api.radio-browser.info"
            << directory::DirectoryQuery{"Jazz FM", "smooth jazz", "in", 25}
            << "https://de1.api.radio-browser.info/json/stations/search?name=Jazz%20FM&tag=smooth%20jazz&"
               "countrycode=IN&order=clickcount&reverse=true&hidebroken=true&limit=25";
        QTest::newRow("empty fields left out, server with a path")
            << "http://127.0.0.1:8080/directory/" << directory::DirectoryQuery{"", "rock", "", 100}
            << "http://127.0.0.1:8080/directory/json/stations/search?tag=rock&order=clickcount&reverse=true&"
               "hidebroken=true&limit=100";
        QTest::newRow("characters that would end or change a value")
            << "https://a.example" << directory::DirectoryQuery{"R&B=1+2 #3 ?%/ü", "", "", 5}
            << "https://a.example/json/stations/search?name=R%26B%3D1%2B2%20%233%20%3F%25%2F%C3%BC&"
               "order=clickcount&reverse=true&hidebroken=true&limit=5";
    }
    void searchUrl() {
        QFETCH(QString, server);
        QFETCH(directory::DirectoryQuery, query);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromLatin1(directory::SearchUrl(QUrl(server), query).toEncoded()), expected);
    }

    void answer_data() {
        QTest::addColumn<HttpTestServer::Route>("reply");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("error");
        QTest::newRow("stations") << HttpTestServer::Route{200, kAnswer}
                                  << QStringList{"Jazz One", "Jazz Two"} << QString();
        QTest::newRow("none found") << HttpTestServer::Route{200, "[]"} << QStringList{} << QString();
        QTest::newRow("malformed JSON") << HttpTestServer::Route{200, kAnswer.left(100)} << QStringList{}
                                        << "The directory's answer could not be read: unterminated string";
        QTest::newRow("5 MiB")
            << HttpTestServer::Route{200, "[" + QByteArray(5 << 20, ' ') + "]"} << QStringList{}
            << "The radio directory could not be reached: The reply from 127.0.0.1 is larger "
               "than 4096 KiB and was refused.";
        QTest::newRow("server error") << HttpTestServer::Route{503, "busy"} << QStringList{}
                                      << "The radio directory could not be reached: The download from ";
    }
    void answer() {
        QFETCH(HttpTestServer::Route, reply);
        QFETCH(QStringList, names);
        QFETCH(QString, error);
        HttpTestServer server(m_tls);
        server.route(kSearch, reply);
        const directory::SearchResult result = Search({server.url({})});
        QCOMPARE(server.requests, QStringList{kSearch});
        QCOMPARE(Names(result), names);
        QVERIFY2(error.isEmpty() ? result.error.isEmpty() : result.error.startsWith(error),
                 qPrintable(result.error));
        if (!names.isEmpty()) {
            const directory::DirectoryStation &first = result.stations.first();
            QCOMPARE((QStringList{first.address, first.countryCode, first.codec,
                                  QString::number(first.bitrate), first.tags.join(u',')}),
                     (QStringList{"http://a.example/one", "IN", "MP3", "128", "jazz,smooth jazz"}));
            QCOMPARE(result.stations[1].address, QStringLiteral("https://b.example/two"));
        }
    }

    // A server that cannot be reached or answers with something unreadable leaves the search to the
    // next; when none answers, the message tells the last failure.
    void nextServerAfterAFailure_data() {
        QTest::addColumn<HttpTestServer::Route>("lastReply");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("error");
        QTest::newRow("the last answers")
            << HttpTestServer::Route{200, kAnswer} << QStringList{"Jazz One", "Jazz Two"} << QString();
        QTest::newRow("none answers") << HttpTestServer::Route{404, "gone"} << QStringList{}
                                      << "The radio directory could not be reached: The download from ";
    }
    void nextServerAfterAFailure() {
        QFETCH(HttpTestServer::Route, lastReply);
        QFETCH(QStringList, names);
        QFETCH(QString, error);
        HttpTestServer unreadable(m_tls), last(m_tls);
        unreadable.route(kSearch, {200, "<html>maintenance</html>"});
        last.route(kSearch, lastReply);
        const directory::SearchResult result = Search({DeadServer(), unreadable.url({}), last.url({})});
        QCOMPARE(unreadable.requests.size(), 1);
        QCOMPARE(last.requests.size(), 1);
        QCOMPARE(Names(result), names);
        QVERIFY2(error.isEmpty() ? result.error.isEmpty() : result.error.startsWith(error),
                 qPrintable(result.error));
    }

    void abandonedSearchStaysSilent() {
        HttpTestServer server(m_tls);
        server.route(kSearch, {200, {}, {}, true});
        qputenv("TUNELARK_DIRECTORY_URL", server.url({}).toEncoded());
        auto search =
            std::make_unique<directory::DirectorySearch>(directory::DirectoryQuery{"jazz", "", "", 100});
        QSignalSpy finished(search.get(), &directory::DirectorySearch::finished);
        QTRY_COMPARE(server.requests.size(), 1);
        search.reset();
        QTest::qWait(200);
        QCOMPARE(finished.size(), 0);
    }
};

QTEST_GUILESS_MAIN(DirectorySearchTest)
#include "directory-search-test.moc"
