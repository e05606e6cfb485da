// Runs "tunelark-cli stations search …" against directory servers on 127.0.0.1 (plain HTTP: the tool is
// another process, which cannot be made to trust a test certificate): the request the directory
// receives, the lines printed, stations added to a program folder's list once, and failures that write
// nothing.

#include "common/station-file.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/cli/cli-run.h"
#include "tests/support/http-test-server.h"

Q_DECLARE_METATYPE(HttpTestServer::Route)

namespace {

const QString kSearch = QStringLiteral("/json/stations/search?name=jazz&order=clickcount&reverse=true&"
                                       "hidebroken=true&limit=100");

// Two entries for one stream, and one for a stream the list already has.
const QByteArray kAnswer =
    R"([{"name": "Jazz One", "url": "http://a.example/one.pls", "url_resolved": "http://a.example/one", )"
    R"("countrycode": "IN", "codec": "MP3", "bitrate": 128, "tags": "jazz"}, )"
    R"({"name": "Jazz\tOne HD", "url": "http://a.example/one", "url_resolved": "", )"
    R"("countrycode": "IN", "codec": "AAC", "bitrate": 256, "tags": ""}, )"
    R"({"name": "Known", "url": "http://a.example/known", "url_resolved": "", )"
    R"("countrycode": "DE", "codec": "OGG", "bitrate": 0, "tags": ""}, )"
    R"({"name": "Jazz Two", "url": "https://b.example/two", "url_resolved": "", )"
    R"("countrycode": "", "codec": "", "tags": ""}])";

const common::StationList kKnown = {{QStringLiteral("Known here"), QStringLiteral("http://a.example/known")}};

// An address on 127.0.0.1 where nothing listens.
QString DeadServer() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        qFatal("no free port");
    return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
}

QByteArray FileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class StationsSearchTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_folder;

    CliRun run(const QStringList &arguments, const HttpTestServer &server) const {
        return RunCliServed(
            m_folder, m_temp->filePath(QStringLiteral("config")),
            QStringList{"stations", "search"} + arguments,
            {{QStringLiteral("TUNELARK_DIRECTORY_URL"), DeadServer() + u',' + server.url({}).toString()}});
    }
    QString stationFile() const { return m_folder + QStringLiteral("/Player.dll"); }

private slots:
    void init() {
        m_temp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_temp->isValid());
        m_folder = m_temp->filePath(QStringLiteral("program folder"));
        QVERIFY(QDir().mkpath(m_folder));
    }

    void printsStations() {
        HttpTestServer directory;
        const QString search =
            QStringLiteral("/json/stations/search?name=smooth%20jazz&tag=jazz&countrycode=IN&"
                           "order=clickcount&reverse=true&hidebroken=true&limit=4");
        directory.route(search, {200, kAnswer});
        const CliRun result =
            run({"smooth jazz", "--tag", "jazz", "--country", "in", "--limit", "4"}, directory);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(directory.requests, QStringList{search});
        QCOMPARE(result.out, QByteArray("Jazz One\thttp://a.example/one\tIN\tMP3\t128\n"
                                        "Jazz One HD\thttp://a.example/one\tIN\tAAC\t256\n"
                                        "Known\thttp://a.example/known\tDE\tOGG\t0\n"
                                        "Jazz Two\thttps://b.example/two\t\t\t0\n"));
        QVERIFY(!QFile::exists(stationFile()));
    }

    void addsEachNewStationOnce() {
        common::WriteStationFile(stationFile(), kKnown);
        HttpTestServer directory;
        directory.route(kSearch, {200, kAnswer});
        CliRun result = run({"jazz", "--add", m_folder}, directory);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray("2 new station(s) added.\n"));
        const common::StationList added = {{"Jazz One", "http://a.example/one"},
                                           {"Jazz Two", "https://b.example/two"}};
        QCOMPARE(common::ReadStationFile(stationFile()).value(), kKnown + added);

        const QByteArray before = FileBytes(stationFile());
        result = run({"jazz", "--add", m_folder}, directory);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QByteArray("0 new station(s) added.\n"));
        QCOMPARE(FileBytes(stationFile()), before);
    }

    void failureWritesNothing_data() {
        QTest::addColumn<HttpTestServer::Route>("reply");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed JSON") << HttpTestServer::Route{200, kAnswer.left(60)}
                                        << "tunelark-cli: The directory's answer could not be read: ";
        QTest::newRow("5 MiB") << HttpTestServer::Route{200, "[" + QByteArray(5 << 20, ' ') + "]"}
                               << "tunelark-cli: The radio directory could not be reached: The reply from "
                                  "127.0.0.1 is larger than 4096 KiB and was refused.\n";
        QTest::newRow("not found") << HttpTestServer::Route{404, "no"}
                                   << "tunelark-cli: The radio directory could not be reached: ";
    }
    void failureWritesNothing() {
        QFETCH(HttpTestServer::Route, reply);
        QFETCH(QString, message);
        common::WriteStationFile(stationFile(), kKnown);
        const QByteArray before = FileBytes(stationFile());
        HttpTestServer directory;
        directory.route(kSearch, reply);
        for (const QStringList &arguments : {QStringList{"jazz"}, QStringList{"jazz", "--add", m_folder}}) {
            const CliRun result = run(arguments, directory);
            QCOMPARE(result.exitCode, 1);
            QCOMPARE(result.out, QByteArray());
            QVERIFY2(result.err.startsWith(message.toUtf8()), result.err.constData());
            QCOMPARE(result.err.count('\n'), 1);
        }
        QCOMPARE(directory.requests.size(), 2);
        QCOMPARE(FileBytes(stationFile()), before);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Player.dll"});
    }

    void usage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("limit 0") << QStringList{"jazz", "--limit", "0"} << "--limit takes a whole number";
        QTest::newRow("limit too large")
            << QStringList{"jazz", "--limit", "10001"} << "--limit takes a whole number";
        QTest::newRow("limit not a number")
            << QStringList{"jazz", "--limit", "ten"} << "--limit takes a whole number";
        QTest::newRow("country of three letters") << QStringList{"jazz", "--country", "IND"} << "two-letter";
        QTest::newRow("country not letters") << QStringList{"jazz", "--country", "1"} << "two-letter";
        QTest::newRow("no text") << QStringList{"--tag", "jazz"} << "Expected 1 argument(s), got 0.";
        QTest::newRow("unknown option") << QStringList{"jazz", "--genre", "x"} << "Unknown option 'genre'.";
    }
    void usage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        HttpTestServer directory;
        const CliRun result = run(arguments, directory);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message.toUtf8()), result.err.constData());
        QCOMPARE(directory.requests, QStringList());
    }
};

QTEST_GUILESS_MAIN(StationsSearchTest)
#include "stations-search-test.moc"
