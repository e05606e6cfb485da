// The online update against a real HTTP server on 127.0.0.1.

#include "stations/frmStations.h"
#include "tests/stations/station-fixtures.h"
#include "tests/support/http-test-server.h"
#include "tests/support/test-environment.h"

Q_DECLARE_METATYPE(HttpTestServer::Route)

namespace {

QByteArray Published(const common::StationList &stations) { return common::FormatStationFile(stations); }

const QString kNothingNew =
    QStringLiteral("No new stations available for update, your stations list is UpToDate.");

} // namespace

class OnlineUpdateTest : public QObject {
    Q_OBJECT
private slots:
    void updateMergesWhatIsNew_data() {
        QTest::addColumn<HttpTestServer::Route>("reply");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("boxes");
        const QStringList known{"A", "B"};
        const QString added2 =
            QStringLiteral("Successfully created the new stations file.\r\n\r\n2 new station(s) added.");
        common::StationList published = Stations({"B", "C", "D"});
        published[0].name = "B renamed"; // known address, other name: not added, name kept
        QTest::newRow("new stations") << HttpTestServer::Route{200, Published(published)}
                                      << QStringList{"A", "B", "C", "D"} << QStringList{added2};
        QTest::newRow("as a browser shows it")
            << HttpTestServer::Route{200, "<HEAD></HEAD><BODY><PRE>" + Published(Stations({"C", "D"})) +
                                              "</PRE></BODY>"}
            << QStringList{"A", "B", "C", "D"} << QStringList{added2};
        QTest::newRow("nothing new") << HttpTestServer::Route{200, Published(Stations({"A"}))} << known
                                     << QStringList{kNothingNew};
        QTest::newRow("empty reply") << HttpTestServer::Route{200, "  \r\n"} << known
                                     << QStringList{kNothingNew};
        QTest::newRow("junk reply") << HttpTestServer::Route{200, "<html>Not a station list</html>"} << known
                                    << QStringList{kNothingNew};
        QTest::newRow("not found") << HttpTestServer::Route{404, "gone"} << known
                                   << QStringList{"!The download from", kNothingNew};
        QTest::newRow("redirect") << HttpTestServer::Route{302, {}, "/FM/moved.dll"}
                                  << QStringList{"A", "B", "E"}
                                  << QStringList{"Successfully created the new stations file.\r\n\r\n1 new "
                                                 "station(s) added."};
        QTest::newRow("oversized") << HttpTestServer::Route{200, QByteArray(5 * 1024 * 1024, '1')} << known
                                   << QStringList{"!The reply from 127.0.0.1 is larger than 4096 KiB",
                                                  kNothingNew};
        QTest::newRow("never answers")
            << HttpTestServer::Route{200, {}, {}, true} << known
            << QStringList{"!The server at 127.0.0.1 did not answer within 1 seconds.", kNothingNew};
    }
    void updateMergesWhatIsNew() {
        QFETCH(HttpTestServer::Route, reply);
        QFETCH(QStringList, after);
        QFETCH(QStringList, boxes);
        TestEnvironment env;
        env.answer = ui::Answer::Yes;
        common::WriteStationFile(env.path("Player.dll"), Stations({"A", "B"}));
        const QByteArray before = FileBytes(env.path("Player.dll"));
        HttpTestServer server;
        server.route("/FM/Player.dll", reply);
        server.route("/FM/moved.dll", {200, Published(Stations({"A", "E"}))});
        qputenv("TUNELARK_UPDATE_URL", server.url("/FM/Player.dll").toEncoded());
        qputenv("TUNELARK_UPDATE_TIMEOUT_MS", "1000");

        frmStations window(env.programFolder());
        window.Form_Load();
        window.CmdLive_Click();

        QCOMPARE(env.boxes.size(), boxes.size() + 1);
        QCOMPARE(env.boxes[0].title, QStringLiteral("Stations"));
        QCOMPARE(env.boxes[0].icon, ui::Icon::Question);
        QCOMPARE(env.boxes[0].buttons, ui::Buttons::YesNo);
        QCOMPARE(
            env.boxes[0].text,
            QStringLiteral("This will download new radio stations that are available on Ravelto's "
                           "website.\r\nAre you sure you want to downlaod and update your stations list?"));
        for (int i = 0; i < boxes.size(); ++i) {
            const ui::BoxRequest &box = env.boxes[i + 1];
            const bool failure = boxes[i].startsWith('!');
            QVERIFY2(failure ? box.text.startsWith(boxes[i].mid(1)) : box.text == boxes[i],
                     qPrintable(box.text));
            QCOMPARE(box.icon, failure ? ui::Icon::Critical : ui::Icon::Information);
            QCOMPARE(box.title, QStringLiteral("Ravelto's Online Radio"));
        }
        QCOMPARE(window.LstStations->count(), after.size());
        const common::StationList expected = Stations(after);
        QCOMPARE(common::ReadStationFile(env.path("Player.dll")).value(), expected);
        if (after.size() == 2) // nothing new: the file keeps its content, line for line
            QCOMPARE(FileBytes(env.path("Player.dll")), before);
        QCOMPARE(window.LblTot->text(), QStringLiteral("Total Stations : %1").arg(after.size()));
        QVERIFY(!QFile::exists(env.path("Update.dll")));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void noMeansNoDownload() {
        TestEnvironment env;
        env.answer = ui::Answer::No;
        common::WriteStationFile(env.path("Player.dll"), Stations({"A"}));
        HttpTestServer server;
        qputenv("TUNELARK_UPDATE_URL", server.url("/FM/Player.dll").toEncoded());
        frmStations window(env.programFolder());
        window.Form_Load();
        window.CmdLive_Click();
        QCOMPARE(env.boxes.size(), 1);
        QTest::qWait(100);
        QVERIFY(server.requests.isEmpty());
    }

    void secondUpdateAddsNothing() {
        TestEnvironment env;
        env.answer = ui::Answer::Yes;
        common::WriteStationFile(env.path("Player.dll"), Stations({"A"}));
        HttpTestServer server;
        server.route("/FM/Player.dll", {200, Published(Stations({"A", "B"}))});
        qputenv("TUNELARK_UPDATE_URL", server.url("/FM/Player.dll").toEncoded());
        frmStations window(env.programFolder());
        window.Form_Load();
        window.CmdLive_Click();
        window.CmdLive_Click();
        QCOMPARE(env.boxes.last().text, kNothingNew);
        QCOMPARE(common::ReadStationFile(env.path("Player.dll")).value(), Stations({"A", "B"}));
    }
};

QTEST_MAIN(OnlineUpdateTest)
#include "tst_online_update.moc"
