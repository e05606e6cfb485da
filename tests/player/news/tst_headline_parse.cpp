// The headline page's parse as tables of small pages: the pieces the ticker gets, and the address and
// request of the fetch.

#include "player/news/headlines.h"

#include <QtTest>

using namespace news;

namespace {

constexpr int kPageSize = 1 << 20; // the largest page the ticker takes

} // namespace

class HeadlineParseTest : public QObject {
    Q_OBJECT
private slots:
    void pieces_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("pieces");
        const QString headers = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n";
        QTest::newRow("three headlines")
            << headers + "<script>theSummaries[0] = 'A';theSummaries[1] = 'B';theSummaries[2] = 'C';</script>"
            << QStringList{"News Headline : A. ", " B. ", " C"};
        QTest::newRow("two, nothing after the last")
            << "theSummaries[0] = 'First';theSummaries[1] = 'Second';"
            << QStringList{"News Headline : First. ", " Second"};
        QTest::newRow("escaped apostrophe and ampersands")
            << "theSummaries[0] = 'Rock \\'n\\' roll';theSummaries[1] = 'R&B & soul';"
            << QStringList{"News Headline : Rock 'n' roll. ", " R&&B && soul"};
        // Line breaks are not trimmed: the dropped character is the line feed, the apostrophe stays.
        QTest::newRow("entries on their own lines") << "theSummaries[0] = 'One';\ntheSummaries[1] = 'Two';\n"
                                                    << QStringList{"News Headline : One. ", " 'Two"};
        QTest::newRow("an arrow inside a headline")
            << "theSummaries[0] = 'Up -> down';theSummaries[1] = 'Next';"
            << QStringList{"News Headline : Up ", " down. ", " Next"};
        QTest::newRow("one headline only")
            << "theSummaries[0] = 'Alone';" << QStringList{"News Headline : Alone"};
        QTest::newRow("no marker") << headers + "<html>Not found</html>" << QStringList{""};
        QTest::newRow("empty page") << QString() << QStringList{""};
        QTest::newRow("marker with another spacing")
            << "theSummaries[0]='A';theSummaries[1]='B';" << QStringList{""};
        QTest::newRow("an empty headline keeps its place")
            << "theSummaries[0] = 'A';theSummaries[1] = '';theSummaries[2] = 'C';"
            << QStringList{"News Headline : A. ", " . ", " C"};
        QTest::newRow("blanks around the page are trimmed")
            << "   theSummaries[0] = 'A';theSummaries[1] = 'B';   "
            << QStringList{"News Headline : A. ", " B"};
        // Only a key "theSummaries[j] = " with j below the number of entries counts, the lowest one an
        // entry holds; without one the entry loses its first character only.
        QTest::newRow("a key beyond the entries stays")
            << "theSummaries[0] = 'A';theSummaries[3] = 'B';"
            << QStringList{"News Headline : A. ", " heSummaries[3] = 'B"};
        QTest::newRow("the lowest key of an entry goes")
            << "theSummaries[0] = 'A';theSummaries[2] = 'B theSummaries[1] = C';theSummaries[2] = 'D';"
            << QStringList{"News Headline : A. ", " heSummaries[2] = 'B C. ", " D"};
        QTest::newRow("a number with a leading zero is no key")
            << "theSummaries[0] = 'A';theSummaries[01] = 'B';"
            << QStringList{"News Headline : A. ", " heSummaries[01] = 'B"};
    }
    void pieces() {
        QFETCH(QString, page);
        QFETCH(QStringList, pieces);
        QCOMPARE(NewsPieces(AssembleNewsText(page)), pieces);
    }

    // The page's bytes as text: UTF-8 when they are valid UTF-8, otherwise Windows-1252 as a whole.
    void pageText_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("Windows-1252 curly quotes")
            << QByteArray("theSummaries[0] = '\x93Hello\x94';theSummaries[1] = 'Caf\xe9 \x80 5';")
            << QStringList{"News Headline : “Hello”. ", " Café € 5"};
        QTest::newRow("UTF-8")
            << QByteArray(
                   "theSummaries[0] = '\xe2\x80\x9cHello\xe2\x80\x9d';theSummaries[1] = 'Caf\xc3\xa9';")
            << QStringList{"News Headline : “Hello”. ", " Café"};
        QTest::newRow("one byte that is no UTF-8 makes it all Windows-1252")
            << QByteArray("theSummaries[0] = 'Caf\xc3\xa9';theSummaries[1] = '\x93';")
            << QStringList{"News Headline : CafÃ©. ", " “"};
    }
    void pageText() {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, pieces);
        QCOMPARE(NewsPieces(AssembleNewsText(HeadlinePageText(page))), pieces);
    }

    // Pages as large as the ticker takes, built to be hard: the parse stays linear in the page.
    void hugePages_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        const auto entries = [](int count, bool empty) {
            QString page;
            for (int i = 0; i < count; ++i)
                page += QStringLiteral("theSummaries[%1] = '%2';")
                            .arg(i)
                            .arg(empty ? "" : "H" + QString::number(i));
            return page;
        };
        QTest::newRow("34 000 headlines") << entries(34'000, false) << 34'000 << " H33999";
        QTest::newRow("42 000 empty headlines") << entries(42'000, true) << 42'000 << " ";
        QTest::newRow("69 000 entries without a key")
            << "theSummaries[0] = 'A';" + QString("theSummaries[';").repeated(69'000) << 69'001
            << " heSummaries[";
        QTest::newRow("one entry full of key starts")
            << "theSummaries[0] = 'A" + QString("theSummaries[").repeated(80'000) + "';" << 1
            << "News Headline : A" + QString("theSummaries[").repeated(80'000);
        QTest::newRow("a key of a million digits")
            << "theSummaries[0] = 'A';theSummaries[" + QString("1").repeated(kPageSize - 50) + "] = 'B';" << 2
            << " heSummaries[" + QString("1").repeated(kPageSize - 50) + "] = 'B";
    }
    void hugePages() {
        QFETCH(QString, page);
        QFETCH(int, count);
        QFETCH(QString, last);
        QVERIFY(page.size() <= kPageSize);
        // A parse that searches every index for every entry takes minutes here, far past the test's
        // time limit; how fast it is belongs to bench/headline-parse-bench.
        const QStringList pieces = NewsPieces(AssembleNewsText(page));
        QCOMPARE(pieces.size(), count);
        QCOMPARE(pieces.last(), last);
    }

    void address_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("port"); // -1: not a number
        QTest::newRow("path") << "http://news.example.org/includes/tick.htm"
                              << "news.example.org"
                              << "/includes/tick.htm" << 80;
        QTest::newRow("no path") << "http://news.example.org"
                                 << "news.example.org"
                                 << "/" << 80;
        QTest::newRow("port") << "http://127.0.0.1:8080/includes/tick.htm"
                              << "127.0.0.1"
                              << "/includes/tick.htm" << 8080;
        QTest::newRow("port, no path") << "http://localhost:81"
                                       << "localhost"
                                       << "/" << 81;
        QTest::newRow("port not a number") << "http://localhost:http/x"
                                           << "localhost"
                                           << "/x" << -1;
    }
    void address() {
        QFETCH(QString, url);
        QFETCH(QString, host);
        QFETCH(QString, path);
        QFETCH(int, port);
        const HeadlineAddress address = SplitHeadlineUrl(url);
        QCOMPARE(address.host, host);
        QCOMPARE(address.path, path);
        QCOMPARE(address.port.value_or(-1), port);
    }

    void request() {
        QCOMPARE(HeadlineRequest("/includes/tick.htm"), QString("GET /includes/tick.htm HTTP/1.0\n\n"));
    }

    void displayedCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("doubled") << "R&&B"
                                 << "R&B";
        QTest::newRow("access-key mark") << "&File"
                                         << "File";
        QTest::newRow("trailing") << "end&"
                                  << "end";
        QTest::newRow("plain") << " B. "
                               << " B. ";
    }
    void displayedCaption() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(DisplayedCaption(caption), shown);
    }
};

QTEST_GUILESS_MAIN(HeadlineParseTest)
#include "tst_headline_parse.moc"
