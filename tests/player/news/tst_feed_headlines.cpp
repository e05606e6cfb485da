// News feeds as the ticker reads them: RSS 2.0, RSS 1.0 and Atom told from their content, their titles
// decoded and cleaned, joined as the classic page's headlines are, and documents that must not be read
// (a document type declaration, nesting or tags built to cost the square) read no further.

#include "player/news/headlines.h"

#include <QTcpServer>
#include <QtTest>

using namespace news;

namespace {

QByteArray Rss(const QByteArray &items) {
    return "<rss version=\"2.0\"><channel>" + items + "</channel></rss>";
}

QByteArray Item(const QByteArray &title) { return "<item><title>" + title + "</title></item>"; }

QByteArray Items(int count) {
    QByteArray items;
    for (int i = 0; i < count; ++i)
        items += Item("Item " + QByteArray::number(i));
    return items;
}

// An RSS feed whose second item stands inside `open` ... `close`.
QByteArray AroundSecond(const QByteArray &open, const QByteArray &close) {
    return Rss(Item("Before") + open + Item("Inside") + close + Item("After"));
}

QByteArray Nested(int levels) {
    return AroundSecond(QByteArray("<a>").repeated(levels), QByteArray("</a>").repeated(levels));
}

QByteArray Attributes(const QByteArray &name, int count, const QByteArray &value = "v") {
    QByteArray attributes;
    for (int i = 0; i < count; ++i)
        attributes += " " + name + QByteArray::number(i) + "=\"" + value + "\"";
    return attributes;
}

QByteArray Utf16(const QString &text) {
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

const QStringList kNone{""};
const QStringList kBefore{"News Headline : Before"};
const QStringList kAll{"News Headline : Before. ", " Inside. ", " After"};

} // namespace

class FeedHeadlinesTest : public QObject {
    Q_OBJECT
private slots:
    void pieces_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("RSS 2.0: item titles only")
            << QByteArray("<?xml version=\"1.0\"?>\n<rss version=\"2.0\" "
                          "xmlns:media=\"http://search.yahoo.com/mrss/\"><channel><title>Channel</title>"
                          "<image><title>Logo</title></image><item><media:title>M</media:title>"
                          "<title>First</title><description>d</description></item>"
                          "<item><title>Second</title><title>a second title</title></item></channel></rss>")
            << QStringList{"News Headline : First. ", " Second"};
        QTest::newRow("RSS 1.0")
            << QByteArray("<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
                          "xmlns=\"http://purl.org/rss/1.0/\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
                          "<channel rdf:about=\"c\"><title>Channel</title><items><rdf:Seq>"
                          "<rdf:li rdf:resource=\"a\"/></rdf:Seq></items></channel>"
                          "<item rdf:about=\"a\"><dc:title>D</dc:title><title>One</title></item>"
                          "<item rdf:about=\"b\"><title>Two</title></item></rdf:RDF>")
            << QStringList{"News Headline : One. ", " Two"};
        QTest::newRow("RDF without RSS 1.0 items")
            << QByteArray("<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                          "<item><title>Plain</title></item></rdf:RDF>")
            << kNone;
        QTest::newRow("Atom with a prefix: text, HTML and XHTML titles")
            << QByteArray(
                   "<atom:feed xmlns:atom=\"http://www.w3.org/2005/Atom\"><atom:title>Feed</atom:title>"
                   "<atom:entry><atom:title>x &lt; y</atom:title><atom:source><atom:title>Source"
                   "</atom:title></atom:source></atom:entry>"
                   "<atom:entry><atom:title type=\"html\">&lt;b&gt;Bold&lt;/b&gt; &amp;amp; more"
                   "</atom:title></atom:entry>"
                   "<atom:entry><atom:title type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\">"
                   "X <b>H</b></div></atom:title></atom:entry></atom:feed>")
            << QStringList{"News Headline : x < y. ", " Bold && more. ", " X H"};
        QTest::newRow("Atom as the default namespace")
            << QByteArray("<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>A</title></entry>"
                          "<entry><title>B</title></entry></feed>")
            << QStringList{"News Headline : A. ", " B"};
        QTest::newRow("a feed element of no Atom namespace is no feed")
            << QByteArray("<feed><entry><title>A</title></entry></feed>") << kNone;
        QTest::newRow("entities")
            << Rss(Item("Rock &amp; roll&#8217;s &#x2014; &lt;b&gt;best&lt;/b&gt; &amp;hellip; &amp;eacute;"))
            << QStringList{"News Headline : Rock && roll’s — best … &&eacute;"};
        QTest::newRow("CDATA") << Rss(Item("<![CDATA[Rain <i>and</i> sun & more]]>"))
                               << QStringList{"News Headline : Rain and sun && more"};
        QTest::newRow("markup, line breaks and blanks")
            << Rss(Item("\n  Line one\n\t<b>two</b>  ") + Item("a &lt; b, not a tag"))
            << QStringList{"News Headline : Line one two. ", " a < b, not a tag"};
        QTest::newRow("an arrow splits a piece, as on the classic page")
            << Rss(Item("Up -&gt; down")) << QStringList{"News Headline : Up ", " down"};
        QTest::newRow("declared Windows-1252") << "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" +
                                                      Rss(Item("\x93Quoted\x94 caf\xe9") + Item("\x80 5"))
                                               << QStringList{"News Headline : “Quoted” café. ", " € 5"};
        QTest::newRow("UTF-8 with a byte order mark")
            << "\xef\xbb\xbf" + Rss(Item("Caf\xc3\xa9")) << QStringList{"News Headline : Café"};
        QTest::newRow("UTF-16 with a byte order mark")
            << Utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" +
                     QString(Rss(Item("Caf\xc3\xa9") + Item("B"))))
            << QStringList{"News Headline : Café. ", " B"};
        QTest::newRow("undeclared and not UTF-8: Windows-1252, as the classic page")
            << Rss(Item("\x93Hi\x94")) << QStringList{"News Headline : “Hi”"};
        QTest::newRow("an encoding this machine cannot read")
            << "<?xml version=\"1.0\" encoding=\"x-no-such\"?>" + Rss(Item("A")) << kNone;
        QTest::newRow("empty feed") << Rss("<title>Nothing yet</title>") << kNone;
        QTest::newRow("items without a title or with a blank one")
            << Rss("<item><description>x</description></item>" + Item(" \n ") + Item("<![CDATA[]]>") +
                   Item("Only"))
            << QStringList{"News Headline : Only"};
        QTest::newRow("after the HTTP status and headers")
            << "HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\n\r\n" + Rss(Item("A") + Item("B"))
            << QStringList{"News Headline : A. ", " B"};
        QTest::newRow("after headers ended by line feeds")
            << QByteArray(
                   "HTTP/1.0 200 OK\nContent-Type: application/atom+xml\n\n"
                   "<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>A</title></entry></feed>")
            << QStringList{"News Headline : A"};
        QTest::newRow("blank lines before the XML declaration")
            << "\r\n\n \t<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + Rss(Item("\x93Hi\x94"))
            << QStringList{"News Headline : “Hi”"};
        QTest::newRow("headers and no body") << QByteArray("HTTP/1.0 200 OK\r\nX: <rss>\r\n") << kNone;
        QTest::newRow("cut short: the titles before the break")
            << Rss(Item("A")).left(60) + Item("B").left(12) << QStringList{"News Headline : A"};
        QTest::newRow("malformed after the first item")
            << Rss(Item("A") + "<item><title>B</oops></item>" + Item("C"))
            << QStringList{"News Headline : A"};

        // Documents that carry a document type declaration are not read as feeds: nothing it declares is
        // ever expanded. The classic parse finds no headlines in them.
        QTest::newRow("a document type declaration")
            << "<!DOCTYPE rss [<!ENTITY h \"Hidden\">]>" + Rss(Item("&h;") + Item("Plain")) << kNone;
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY l0 \"lol\">";
        for (int i = 1; i < 10; ++i)
            laughs += "<!ENTITY l" + QByteArray::number(i) + " \"" +
                      QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
        QTest::newRow("billion laughs") << laughs + "]>" + Rss(Item("&l9;")) << kNone;
        QTest::newRow("the classic page, with a document type declaration")
            << QByteArray("HTTP/1.0 200 OK\r\n\r\n<!DOCTYPE html><html><script>theSummaries[0] = 'A & B';"
                          "theSummaries[1] = 'C';</script></html>")
            << QStringList{"News Headline : A && B. ", " C"};
        QTest::newRow("the classic page")
            << QByteArray("theSummaries[0] = 'Rock \\'n\\' roll';theSummaries[1] = 'R&B';")
            << QStringList{"News Headline : Rock 'n' roll. ", " R&&B"};
        QTest::newRow("the classic page in XHTML")
            << QByteArray("<html><script>theSummaries[0] = 'A';theSummaries[1] = 'B';</script></html>")
            << QStringList{"News Headline : A. ", " B"};

        // Element depth counts from the root (1); a title at depth 64 is read, deeper ends the reading.
        QTest::newRow("a title 64 elements deep") << Nested(60) << kAll;
        QTest::newRow("a title 65 elements deep") << Nested(61) << kBefore;
        QTest::newRow("100 000 elements deep") << Nested(100'000) << kBefore;
        QTest::newRow("a tag with 64 attributes")
            << AroundSecond("<a" + Attributes("a", 64) + ">", "</a>") << kAll;
        QTest::newRow("a tag with 65 attributes")
            << AroundSecond("<a" + Attributes("a", 65) + ">", "</a>") << kBefore;
        QTest::newRow("a tag with 60 000 attributes, half of them holding \">\"")
            << AroundSecond("<a" + Attributes("a", 30'000) + Attributes("b", 30'000, ">") + ">", "</a>")
            << kBefore;
        QTest::newRow("256 namespace declarations")
            << AroundSecond("<a" + Attributes("xmlns:a", 60) + "><b" + Attributes("xmlns:b", 60) + "><c" +
                                Attributes("xmlns:c", 60) + "><d" + Attributes("xmlns:d", 60) + "><e" +
                                Attributes("xmlns:e", 16) + ">",
                            "</e></d></c></b></a>")
            << kAll;
        QByteArray scoped;
        for (int i = 0; i < 257; ++i)
            scoped += "<a" + Attributes("xmlns:p", 1) + "/>";
        QTest::newRow("the 257th namespace declaration") << AroundSecond(scoped, "") << kBefore;
    }
    void pieces() {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, pieces);
        QCOMPARE(NewsPieces(HeadlinesText(page)), pieces);
    }

    // The ticker keeps its news text between fetches: a feed's titles join on as a page's would.
    void joinsTheNewsText_data() {
        QTest::addColumn<QString>("newsText");
        QTest::addColumn<QString>("joined");
        QTest::newRow("none yet") << ""
                                  << "News Headline : A. -> B";
        QTest::newRow("blanks only") << "   "
                                     << "News Headline : A. -> B";
        QTest::newRow("some") << "News Headline : Old"
                              << "News Headline : Old. -> A. -> B";
    }
    void joinsTheNewsText() {
        QFETCH(QString, newsText);
        QFETCH(QString, joined);
        QCOMPARE(HeadlinesText(Rss(Item("A") + Item("B")), newsText), joined);
        QCOMPARE(HeadlinesText(Rss(""), newsText), newsText);
    }

    // A large feed is read in time in step with its length: 10 000 items, and one of 1 MiB.
    void largeFeeds_data() {
        QTest::addColumn<int>("items");
        QTest::newRow("10 000 items") << 10'000;
        QTest::newRow("1 MiB") << (1 << 20) / int(Item("Item 99999").size());
    }
    void largeFeeds() {
        QFETCH(int, items);
        const QStringList pieces = NewsPieces(HeadlinesText(Rss(Items(items))));
        QCOMPARE(pieces.size(), items);
        QCOMPARE(pieces.last(), " Item " + QString::number(items - 1));
    }

    // An external entity names a server that listens: it is never asked.
    void fetchesNoExternalEntity() {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QByteArray address = "http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/x";
        for (const QByteArray &entity :
             {"<!ENTITY x SYSTEM \"" + address + "\">", "<!ENTITY % x SYSTEM \"" + address + "\"> %x;"}) {
            const QByteArray page =
                "<?xml version=\"1.0\"?><!DOCTYPE rss [" + entity + "]>" + Rss(Item("&x;"));
            QCOMPARE(HeadlinesText(page), QString());
        }
        QVERIFY(!server.waitForNewConnection(200));
    }
};

QTEST_GUILESS_MAIN(FeedHeadlinesTest)
#include "tst_feed_headlines.moc"
