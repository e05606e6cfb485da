// The news ticker in the main window against headline servers on 127.0.0.1 started here: one that
// answers and closes, one that answers in many small pieces, a closed port, a name that does not
// resolve, one that never answers, one that sends without end, HTTPS ones; the ticker's steps; the
// headline address on the settings panel.

#include "common/settings-store.h"
#include "player/FrmFM.h"
#include "player/links.h"
#include "player/net/CSocket.h"
#include "player/picture-box.h"
#include "tests/player/net/socket-peers.h"
#include "tests/support/http-test-server.h"
#include "tests/support/test-certificate.h"
#include "tests/support/test-environment.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray kPage = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<script>\n"
                         "theSummaries[0] = 'Rain & sun';theSummaries[1] = 'It\\'s windy';"
                         "theSummaries[2] = 'Calm night';</script>";
const QByteArray kFeed =
    "HTTP/1.0 200 OK\r\nContent-Type: application/rss+xml\r\n\r\n"
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>News</title>"
    "<item><title>Rain &amp; sun</title></item><item><title><![CDATA[It's windy]]></title></item>"
    "<item><title>Calm night</title></item></channel></rss>\n";
const QStringList kPieces{"News Headline : Rain && sun. ", " It's windy. ", " Calm night"};
const QString kNoServer = QStringLiteral("Failed to connect to the Indian News Server.");

// Accepts connections and counts them; sends nothing, or `chunk` again and again without end.
class HoldingServer : public QObject {
public:
    explicit HoldingServer(QByteArray chunk = {}) : m_chunk(std::move(chunk)) {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::disconnected, this, [this] { ++closedByPeer; });
                if (!m_chunk.isEmpty()) {
                    connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket] {
                        if (socket->bytesToWrite() < m_chunk.size())
                            socket->write(m_chunk);
                    });
                    socket->write(m_chunk);
                }
            }
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/includes/tick.htm").arg(m_server.serverPort());
    }
    int connections = 0;
    int closedByPeer = 0;

private:
    QTcpServer m_server;
    QByteArray m_chunk;
};

} // namespace

class NewsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    void load(const QString &url, bool newsOn = true) {
        env = std::make_unique<TestEnvironment>();
        if (newsOn)
            common::SaveSetting(common::kApplication, "News", "Show", "1");
        qputenv("TUNELARK_NEWS_URL", url.toUtf8());
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        env->boxes.clear(); // the built-in stations' notice: the test folder's station file is empty
    }
    static QString Url(quint16 port) {
        return QStringLiteral("http://127.0.0.1:%1/includes/tick.htm").arg(port);
    }

private slots:
    void cleanup() {
        window.reset();
        env.reset();
        qunsetenv("TUNELARK_NEWS_URL");
        qunsetenv("TUNELARK_NEWS_TIMEOUT_MS");
    }

    void fetchesAndShowsThePieces_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("pieceSize");
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QString>("shown"); // the first piece as the label shows it
        QTest::newRow("answers and closes") << kPage << 0 << kPieces << "News Headline : Rain & sun. ";
        QTest::newRow("in many small pieces") << kPage << 7 << kPieces << "News Headline : Rain & sun. ";
        QTest::newRow("an RSS feed in small pieces")
            << kFeed << 5 << kPieces << "News Headline : Rain & sun. ";
        const QByteArray utf8 =
            "theSummaries[0] = 'Caf\xc3\xa9 \xe2\x80\x9cOpen\xe2\x80\x9d';theSummaries[1] = 'B';";
        const QStringList quoted{"News Headline : Café “Open”. ", " B"};
        QTest::newRow("UTF-8, cut inside its characters") << utf8 << 3 << quoted << quoted[0];
        QTest::newRow("Windows-1252")
            << QByteArray("theSummaries[0] = 'Caf\xe9 \x93Open\x94';theSummaries[1] = 'B';") << 0 << quoted
            << quoted[0];
    }
    void fetchesAndShowsThePieces() {
        QFETCH(QByteArray, page);
        QFETCH(int, pieceSize);
        QFETCH(QStringList, pieces);
        QFETCH(QString, shown);
        ReplyServer server(page, ReplyServer::When::AfterRequest, pieceSize);
        load(Url(server.port()));
        QVERIFY(window->ChkNews->isChecked());
        QVERIFY(window->LblNews->isVisibleTo(window.get()));
        QVERIFY(!window->LblMessage->isVisibleTo(window.get()));
        QTRY_COMPARE(window->NewsItems, pieces);
        QCOMPARE(server.request, QByteArray("GET /includes/tick.htm HTTP/1.0\n\n"));
        QCOMPARE(window->NewsCaption(), pieces[0]);
        QCOMPARE(window->LblNews->text(), shown); // "&&" shows as "&"
        QVERIFY(window->TmrNewsSlide->isActive());
        QCOMPARE(window->TmrNewsSlide->interval(), 23);
        QVERIFY(window->NewsData.isEmpty());
    }

    void failedFetchShowsTheFailureText_data() {
        QTest::addColumn<QString>("url");
        QTest::newRow("closed port") << Url(FreePort());
        QTest::newRow("name that does not resolve")
            << QStringLiteral("http://headlines.invalid/includes/tick.htm");
    }
    void failedFetchShowsTheFailureText() {
        QFETCH(QString, url);
        load(url);
        // The empty label wraps within a few ticks and says so; each wrap fetches again.
        QTRY_COMPARE(window->NewsCaption(), kNoServer);
        QVERIFY(window->NewsItems.isEmpty() || window->NewsItems == QStringList{""});
        QCOMPARE(env->boxes.size(), 0);
        QVERIFY(window->TmrNewsSlide->isActive());
    }

    // An https:// address goes through the HTTPS download: the same pieces, the same failure text.
    void headlinesOverHttps_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("answers") << "/feed" << kPieces;
        QTest::newRow("not found") << "/gone" << QStringList();
        QTest::newRow("never answers") << "/silent" << QStringList();
        QTest::newRow("a certificate nobody trusts") << "stranger" << QStringList();
    }
    void headlinesOverHttps() {
        QFETCH(QString, path);
        QFETCH(QStringList, pieces);
        qputenv("TUNELARK_NEWS_TIMEOUT_MS", "300");
        const QSslConfiguration tls = MakeTestServerTls();
        TrustInThisProcess(tls);
        HttpTestServer server(tls), stranger(MakeTestServerTls());
        server.route("/feed", {200, kFeed.mid(kFeed.indexOf("\r\n\r\n") + 4)});
        server.route("/silent", {200, {}, {}, true});
        stranger.route("/feed", {200, kPage});
        load((path == "stranger" ? stranger.url("/feed") : server.url(path)).toString());
        if (pieces.isEmpty()) {
            QTRY_COMPARE(window->NewsCaption(), kNoServer);
        } else {
            QTRY_COMPARE(window->NewsItems, pieces);
            QVERIFY(server.requestHeaders.first().contains("User-Agent: Tunelark/"));
        }
        QCOMPARE(env->boxes.size(), 0);
        // Each wrap fetches again, once the fetch before has finished or been given up.
        QTRY_VERIFY(window->m_headlineFetch == nullptr);
        const qsizetype asked = server.requests.size();
        window->GetHeadlines();
        if (path != "stranger")
            QTRY_COMPARE(server.requests.size(), asked + 1);
    }

    void headlineAddressOnTheSettingsPanel_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a feed over HTTPS") << " https://example.com/feed.xml "
                                           << "https://example.com/feed.xml" << false;
        QTest::newRow("a page over HTTP") << "http://example.com:8080/tick.htm"
                                          << "http://example.com:8080/tick.htm" << false;
        QTest::newRow("emptied, back to our own") << ""
                                                  << "" << false;
        QTest::newRow("another scheme") << "ftp://example.com/feed"
                                        << "http://old.example.com/" << true;
        QTest::newRow("no server") << "https://"
                                   << "http://old.example.com/" << true;
        QTest::newRow("not an address") << "headlines"
                                        << "http://old.example.com/" << true;
    }
    void headlineAddressOnTheSettingsPanel() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        load(QString(), false);
        QCOMPARE(window->TxtNewsUrl->text(), QString::fromLatin1(player::links::kHeadlineUrl));
        common::SaveSetting(common::kApplication, "News", "URL", "http://old.example.com/");
        window->TxtNewsUrl->setText(typed);
        window->PicOK_Click();
        QCOMPARE(common::GetSetting(common::kApplication, "News", "URL"), stored);
        QCOMPARE(env->boxes.size(), refused ? 1 : 0);
        if (refused) {
            QVERIFY2(
                env->boxes[0].text.startsWith('"' + typed + "\" is not an address the news can be read from"),
                qPrintable(env->boxes[0].text));
            QCOMPARE(window->TxtNewsUrl->text(), QStringLiteral("http://old.example.com/"));
        }
    }

    void onePieceSwitchesTheNewsOff() {
        ReplyServer server("theSummaries[0] = 'Alone';", ReplyServer::When::AfterRequest);
        load(Url(server.port()));
        QTRY_VERIFY(!window->TmrNewsSlide->isActive());
        QVERIFY(window->LblMessage->isVisibleTo(window.get()));
        QVERIFY(!window->LblNews->isVisibleTo(window.get()));
    }

    // A server that connects and never answers would otherwise keep the socket for good.
    void silentServerIsGivenUpAfterTheLimit() {
        qputenv("TUNELARK_NEWS_TIMEOUT_MS", "300");
        HoldingServer server;
        load(server.url());
        QTRY_COMPARE(server.connections, 1);
        QTRY_COMPARE(server.closedByPeer, 1);
        window->GetHeadlines();
        QTRY_COMPARE(server.connections, 2);
    }

    void endlessServerIsGivenUpAtOneMebibyte() {
        ReplyServer good(kPage, ReplyServer::When::AfterRequest);
        load(Url(good.port()));
        QTRY_COMPARE(window->NewsItems, kPieces);
        HoldingServer endless(QByteArray(64 * 1024, 'x'));
        qputenv("TUNELARK_NEWS_URL", endless.url().toUtf8());
        window->TmrNewsSlide->stop();
        window->GetHeadlines();
        qsizetype largest = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this,
                [&] { largest = std::max(largest, window->NewsData.size()); });
        sampler.start(1);
        QTRY_COMPARE_WITH_TIMEOUT(endless.closedByPeer, 1, 10000);
        QVERIFY2(largest <= FrmFM::kLargestHeadlinePage + CSocket::ReceiveBufferLimit,
                 qPrintable(QString::number(largest)));
        QVERIFY(window->NewsData.isEmpty());
        QCOMPARE(window->NewsItems, kPieces); // the ticker goes on with the last good pieces
    }

    void tickerSteps() {
        ReplyServer server(kPage, ReplyServer::When::AfterRequest);
        load(Url(server.port()));
        QTRY_COMPARE(window->NewsItems, kPieces);
        window->TmrNewsSlide->stop();
        const int start = window->LblNews->x();
        window->TmrNewsSlide_Timer();
        QCOMPARE(window->LblNews->x(), start - 1);
        // Off the left edge: re-enters at the strip's right edge with the next piece.
        window->LblNews->move(-window->LblNews->width() + 1, window->LblNews->y());
        window->TmrNewsSlide_Timer();
        QCOMPARE(window->LblNews->x(), window->PicNews->width());
        QCOMPARE(window->NewsIndex, 1);
        QCOMPARE(window->NewsCaption(), kPieces[1]);
        // The last piece starts the next cycle's fetch as it enters.
        server.request.clear();
        window->LblNews->move(-window->LblNews->width(), window->LblNews->y());
        window->TmrNewsSlide_Timer();
        QCOMPARE(window->NewsCaption(), kPieces[2]);
        QCOMPARE(window->NewsIndex, 0);
        QTRY_COMPARE(server.request, QByteArray("GET /includes/tick.htm HTTP/1.0\n\n"));
        // The new parse puts piece 0 on the label where it is.
        const int x = window->LblNews->x();
        QTRY_COMPARE(window->NewsCaption(), kPieces[0]);
        QCOMPARE(window->LblNews->x(), x);
        // An index past the last piece (a parse left fewer pieces) wraps and fetches too.
        server.request.clear();
        window->NewsIndex = 5;
        window->LblNews->move(-window->LblNews->width(), window->LblNews->y());
        window->TmrNewsSlide_Timer();
        QCOMPARE(window->NewsIndex, 0);
        QTRY_COMPARE(server.request, QByteArray("GET /includes/tick.htm HTTP/1.0\n\n"));
    }

    // More pieces than a 16-bit index counts: the ticker still reaches the last one and fetches again.
    void tickerRunsThroughAPageOfManyPieces() {
        QByteArray page = "HTTP/1.0 200 OK\r\n\r\n";
        constexpr int kCount = 32'770;
        for (int i = 0; i < kCount; ++i)
            page += QStringLiteral("theSummaries[%1] = 'H%1';").arg(i).toLatin1();
        QVERIFY(page.size() <= FrmFM::kLargestHeadlinePage);
        ReplyServer server(page, ReplyServer::When::AfterRequest);
        load(Url(server.port()));
        QTRY_COMPARE(window->NewsItems.size(), kCount);
        window->TmrNewsSlide->stop();
        server.request.clear();
        window->NewsIndex = 32'765;
        for (int piece = 32'766; piece < kCount; ++piece) {
            window->LblNews->move(-window->LblNews->width(), window->LblNews->y());
            window->TmrNewsSlide_Timer();
            QCOMPARE(window->NewsCaption(),
                     QStringLiteral(" H%1").arg(piece) + (piece < kCount - 1 ? ". " : ""));
        }
        QCOMPARE(window->NewsIndex, 0);
        QTRY_COMPARE(server.request, QByteArray("GET /includes/tick.htm HTTP/1.0\n\n"));
    }

    void newsOffAtFirstRun() {
        HoldingServer server;
        load(server.url(), false);
        QVERIFY(!window->ChkNews->isChecked());
        QVERIFY(window->LblMessage->isVisibleTo(window.get()));
        QVERIFY(!window->LblNews->isVisibleTo(window.get()));
        QVERIFY(!window->TmrNewsSlide->isActive());
        QTest::qWait(200);
        QCOMPARE(server.connections, 0);
        // ShowHeadlines does nothing while the box is unticked.
        window->ShowHeadlines();
        QVERIFY(!window->LblNews->isVisibleTo(window.get()));
    }

    void showNewsLabelTogglesTheBoxOnly() {
        HoldingServer server;
        load(server.url(), false);
        QCOMPARE(window->LblShowNews->text(), QStringLiteral("Show Indian News Headlines"));
        window->LblShowNews_Click();
        QVERIFY(window->ChkNews->isChecked());
        QVERIFY(!window->LblNews->isVisibleTo(window.get()));
        QVERIFY(!window->TmrNewsSlide->isActive());
        window->LblShowNews_Click();
        QVERIFY(!window->ChkNews->isChecked());
    }
};

QTEST_MAIN(NewsTest)
#include "tst_news.moc"
