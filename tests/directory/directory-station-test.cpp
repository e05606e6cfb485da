// Directory answers read into stations: the fields the list shows, the address chosen, entries left
// out, texts cleaned and bounded so every station can be a line of the station file, and answers that
// cannot be read.

#include "common/station-file.h"
#include "directory/directory-station.h"

#include <QtTest>

namespace {

// One station as "name|address|country|codec|bitrate|tag,tag".
QStringList Describe(const QList<directory::DirectoryStation> &stations) {
    QStringList lines;
    for (const directory::DirectoryStation &s : stations)
        lines << QStringList{s.name,           s.address, s.countryCode, s.codec, QString::number(s.bitrate),
                             s.tags.join(u',')}
                     .join(u'|');
    return lines;
}

QByteArray Entry(const QByteArray &name, const QByteArray &url, const QByteArray &resolved = "\"\"",
                 const QByteArray &more = {}) {
    return "{\"name\": " + name + ", \"url\": " + url + ", \"url_resolved\": " + resolved + more + "}";
}

// An answer as the directory gives it, with fields the program does not use.
const QByteArray kDocumentedShape =
    R"([{"changeuuid": "x", "stationuuid": "y", "name": "Jazz FM", )"
    R"("url": "http://a.example/jazz.pls", "url_resolved": "http://a.example:8000/jazz", )"
    R"("homepage": "http://a.example/", "favicon": "", "tags": "jazz, smooth jazz,,blues ", )"
    R"("country": "India", "countrycode": "IN", "state": "", "language": "english", )"
    R"("votes": 12, "codec": "MP3", "bitrate": 128, "hls": 0, "lastcheckok": 1, )"
    R"("clickcount": 99, "geo_lat": null}])";

} // namespace

class DirectoryStationTest : public QObject {
    Q_OBJECT

private slots:
    void readsStations_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("documented shape")
            << kDocumentedShape
            << QStringList{"Jazz FM|http://a.example:8000/jazz|IN|MP3|128|jazz,smooth jazz,blues"};
        QTest::newRow("empty result") << QByteArray(" [ ] ") << QStringList{};
        QTest::newRow("no resolved address: the one given")
            << "[" + Entry("\"A\"", "\"https://a.example/s\"") + "," +
                   Entry("\"B\"", "\"http://b.example/s\"", "\"ftp://b.example/s\"") + "]"
            << QStringList{"A|https://a.example/s|||0|", "B|http://b.example/s|||0|"};
        QTest::newRow("entries without a usable name or address are left out")
            << "[1, \"x\", null, [], {}," + Entry("\"\"", "\"http://a.example/\"") + "," +
                   Entry("\"  \\t \"", "\"http://a.example/\"") + "," +
                   Entry("\"0\"", "\"http://a.example/\"") + "," + Entry("7", "\"http://a.example/\"") + "," +
                   Entry("\"No address\"", "\"\"") + "," +
                   Entry("\"Not a stream\"", "\"ftp://a.example/\"", "\"mailto:x@a.example\"") + "," +
                   Entry("\"No host\"", "\"http:///path\"") + "," +
                   Entry("\"Separator\"", "\"http://a.example/a==>b\"") + "," +
                   Entry("\"Line break\"", "\"http://a.example/a\\nb\"") + "," +
                   Entry("\"Half a pair\"", "\"http://a.example/s?q=\\ud800\"") + "," +
                   Entry("\"Too long\"", "\"http://a.example/" + QByteArray(3000, 'a') + "\"") + "," +
                   Entry("\"Kept\"", "\"HTTP://a.example/k\"") + "]"
            << QStringList{"Kept|HTTP://a.example/k|||0|"};
        QTest::newRow("texts on one line, without separator, bounded")
            << "[" +
                   Entry("\" Radio\\r\\nOne\\u0000 ==> Two \"", "\"http://a.example/\"", "\"\"",
                         ", \"countrycode\": \"D\\tE\", \"codec\": \"" + QByteArray(40, 'c') +
                             "\", \"tags\": \"a\\u0007b," + QByteArray(60, 't') + "\"") +
                   "," + Entry("\"" + QByteArray(300, 'n') + "\"", "\"http://a.example/n\"") + "," +
                   Entry("\"===>\"", "\"http://a.example/e\"") + "]"
            << QStringList{"Radio  One  = => Two|http://a.example/|D E|" + QString(16, 'c') + "|0|a b," +
                               QString(40, 't'),
                           QString(200, 'n') + "|http://a.example/n|||0|", "== =>|http://a.example/e|||0|"};
        QTest::newRow("separators in a name at its bound")
            << "[" + Entry("\"" + QByteArray("==>").repeated(100) + "\"", "\"http://a.example/\"") + "]"
            << QStringList{QString("= =>").repeated(50) + "|http://a.example/|||0|"};
        QTest::newRow("bitrate: kbit/s when sensible, else unknown")
            << "[" + Entry("\"A\"", "\"http://a.example/\"", "\"\"", ", \"bitrate\": -5") + "," +
                   Entry("\"B\"", "\"http://a.example/\"", "\"\"", ", \"bitrate\": 1e300") + "," +
                   Entry("\"C\"", "\"http://a.example/\"", "\"\"", ", \"bitrate\": \"128\"") + "," +
                   Entry("\"D\"", "\"http://a.example/\"", "\"\"", ", \"bitrate\": 320") + "]"
            << QStringList{"A|http://a.example/|||0|", "B|http://a.example/|||0|", "C|http://a.example/|||0|",
                           "D|http://a.example/|||320|"};
        QTest::newRow("half of a surrogate pair")
            << "[" + Entry("\"A\\ud800B\\ud83d\\ude00\"", "\"http://a.example/\"") + "]"
            << QStringList{QStringLiteral("A\uFFFDB\U0001F600|http://a.example/|||0|")};
    }
    void readsStations() {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, expected);
        const directory::SearchResult result = directory::ParseDirectoryStations(json);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(Describe(result.stations), expected);
        // Each station is written to a station file and read back as it was.
        common::StationList stations;
        for (const directory::DirectoryStation &station : result.stations)
            stations.append(directory::ToStation(station));
        QCOMPARE(common::ParseStationFile(common::FormatStationFile(stations)), stations);
    }

    void unreadableAnswer_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("cut short") << QByteArray("[{\"name\": \"Jazz");
        QTest::newRow("not JSON") << QByteArray("<html>Service unavailable</html>");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("an object") << QByteArray("{\"name\": \"Jazz\", \"url\": \"http://a.example/\"}");
        QTest::newRow("a number") << QByteArray("42");
        QTest::newRow("nested too deep") << QByteArray(100000, '[') + QByteArray(100000, ']');
    }
    void unreadableAnswer() {
        QFETCH(QByteArray, json);
        const directory::SearchResult result = directory::ParseDirectoryStations(json);
        QVERIFY2(result.error.startsWith("The directory's answer could not be read: "),
                 qPrintable(result.error));
        QVERIFY(result.stations.isEmpty());
    }

    void toStationsKeepsEachAddressOnce() {
        const QList<directory::DirectoryStation> found = {
            {"One", "http://a.example/1", "IN", "MP3", 128, {}},
            {"One again", "http://a.example/1", "IN", "AAC", 64, {}},
            {"Two", "http://a.example/2", "", "", 0, {}},
        };
        QCOMPARE(directory::ToStations(found),
                 (common::StationList{{"One", "http://a.example/1"}, {"Two", "http://a.example/2"}}));
    }
};

QTEST_GUILESS_MAIN(DirectoryStationTest)
#include "directory-station-test.moc"
