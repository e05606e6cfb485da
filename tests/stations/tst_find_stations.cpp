// The Find dialog against a directory server on 127.0.0.1 that speaks HTTPS with a certificate only
// this test trusts: Enter searches, the results fill the list, two are added (once, however often Add
// is pressed), Escape closes; a directory that cannot be read or reached gives one message and
// writes nothing.

#include "stations/FrmFind.h"
#include "stations/frmStations.h"
#include "tests/stations/station-fixtures.h"
#include "tests/support/http-test-server.h"
#include "tests/support/test-certificate.h"
#include "tests/support/test-environment.h"

#include <QTreeWidget>

Q_DECLARE_METATYPE(HttpTestServer::Route)

namespace {

const QString kSearchPath = QStringLiteral("/json/stations/search");

// A reply of the directory's shape: the known address comes back under another entry too.
const QByteArray kReply =
    "[{\"name\": \"Jazz One\", \"url\": \"http://127.0.0.1:9/one.pls\", \"url_resolved\": "
    "\"http://127.0.0.1:9/one\","
    " \"countrycode\": \"IN\", \"codec\": \"MP3\", \"bitrate\": 128, \"tags\": \"jazz,smooth jazz\"},"
    " {\"name\": \"Known Jazz\", \"url\": \"http://127.0.0.1:9/a\", \"url_resolved\": "
    "\"http://127.0.0.1:9/a\","
    " \"countrycode\": \"DE\", \"codec\": \"AAC\", \"bitrate\": 64, \"tags\": \"jazz\"},"
    " {\"name\": \"Jazz Two\", \"url\": \"http://127.0.0.1:9/two\", \"url_resolved\": "
    "\"http://127.0.0.1:9/two\","
    " \"countrycode\": \"US\", \"codec\": \"OGG\", \"bitrate\": 0, \"tags\": \"\"}]";

} // namespace

class FindStationsTest : public QObject {
    Q_OBJECT
private:
    QSslConfiguration m_tls;

    // Selects the rows of `names`, as a click with Ctrl does.
    static void Select(QTreeWidget *list, const QStringList &names) {
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            list->topLevelItem(row)->setSelected(names.contains(list->topLevelItem(row)->text(0)));
    }

private slots:
    void initTestCase() {
        m_tls = MakeTestServerTls();
        TrustInThisProcess(m_tls);
    }
    void cleanup() { qunsetenv("TUNELARK_DIRECTORY_URL"); }

    void searchAndAddTwo() {
        TestEnvironment env;
        common::WriteStationFile(env.path("Player.dll"), Stations({"A"}));
        HttpTestServer directory(m_tls);
        directory.route(kSearchPath + "?name=jazz%20fm&countrycode=IN&order=clickcount&reverse=true&"
                                      "hidebroken=true&limit=200",
                        {200, kReply});
        qputenv("TUNELARK_DIRECTORY_URL", directory.url({}).toEncoded());
        frmStations manager(env.programFolder());
        manager.Form_Load();
        manager.show();
        FrmFind find(manager);
        find.show();
        QVERIFY(QTest::qWaitForWindowExposed(&find));

        QTest::keyClicks(find.TxtName, "jazz fm");
        QTest::keyClicks(find.TxtCountry, "in");
        QTest::keyClick(find.TxtCountry, Qt::Key_Return);
        QCOMPARE(find.LblStatus->text(), QStringLiteral("Searching…"));
        QTRY_COMPARE(find.LstFound->topLevelItemCount(), 3);
        QCOMPARE(directory.requests.size(), 1);
        QCOMPARE(find.LblStatus->text(), QStringLiteral("3 station(s) found."));
        const QTreeWidgetItem *first = find.LstFound->topLevelItem(0);
        QCOMPARE(
            (QStringList{first->text(0), first->text(1), first->text(2), first->text(3), first->text(4)}),
            (QStringList{"Jazz One", "IN", "MP3", "128 kbit/s", "jazz, smooth jazz"}));
        QVERIFY(!find.CmdAdd->isEnabled());

        Select(find.LstFound, {"Jazz One", "Known Jazz", "Jazz Two"});
        QVERIFY(find.CmdAdd->isEnabled());
        QTest::mouseClick(find.CmdAdd, Qt::LeftButton);
        QCOMPARE(find.LblStatus->text(), QStringLiteral("2 new station(s) added."));
        QTest::mouseClick(find.CmdAdd, Qt::LeftButton);
        QCOMPARE(find.LblStatus->text(), QStringLiteral("0 new station(s) added."));
        const common::StationList saved = common::ReadStationFile(env.path("Player.dll")).value();
        QCOMPARE(saved, (common::StationList{Stations({"A"})[0],
                                             {"Jazz One", "http://127.0.0.1:9/one"},
                                             {"Jazz Two", "http://127.0.0.1:9/two"}}));
        QCOMPARE(manager.LstStations->count(), 3);
        QCOMPARE(env.boxes.size(), 0);

        QTest::keyClick(&find, Qt::Key_Escape);
        QVERIFY(!find.isVisible());
    }

    void failureGivesOneMessage_data() {
        QTest::addColumn<HttpTestServer::Route>("reply");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed JSON")
            << HttpTestServer::Route{200, "[{\"name\": \"Cut"} << "The directory's answer could not be read";
        QTest::newRow("not a list") << HttpTestServer::Route{200, "{\"name\": \"x\"}"}
                                    << "The directory's answer could not be read";
        QTest::newRow("server error")
            << HttpTestServer::Route{503, "busy"} << "The radio directory could not be reached";
        QTest::newRow("too large") << HttpTestServer::Route{200, QByteArray(5 << 20, ' ')}
                                   << "The radio directory could not be reached";
    }
    void failureGivesOneMessage() {
        QFETCH(HttpTestServer::Route, reply);
        QFETCH(QString, message);
        TestEnvironment env;
        common::WriteStationFile(env.path("Player.dll"), Stations({"A"}));
        const ino_t before = FileIdentity(env.path("Player.dll"));
        HttpTestServer directory(m_tls);
        directory.route(kSearchPath + "?name=x&order=clickcount&reverse=true&hidebroken=true&limit=200",
                        reply);
        qputenv("TUNELARK_DIRECTORY_URL", directory.url({}).toEncoded());
        frmStations manager(env.programFolder());
        manager.Form_Load();
        FrmFind find(manager);
        find.TxtName->setText("x");
        find.CmdSearch_Click();
        QTRY_COMPARE(env.boxes.size(), 1);
        QVERIFY2(env.boxes[0].text.contains(message), qPrintable(env.boxes[0].text));
        QCOMPARE(find.LstFound->topLevelItemCount(), 0);
        QTest::qWait(100);
        QCOMPARE(env.boxes.size(), 1);
        QCOMPARE(FileIdentity(env.path("Player.dll")), before);
    }
};

QTEST_MAIN(FindStationsTest)
#include "tst_find_stations.moc"
