// The installed programs as a normal user meets them: run by installed-for-a-user-test.sh as a user made
// for the test, on the program folder TUNELARK_INSTALLED_PREFIX/lib/tunelark that the user cannot
// change. Stations (by hand and by its online update) and tunelark-cli add stations the player then lists, a
// skin in the user's own skin folder is listed and loads, and a recording lands in the user's music folder.

#include "common/settings-store.h"
#include "common/user-data.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/message-box.h"
#include "player/FrmFM.h"
#include "player/picture-box.h"
#include "stations/FrmNew.h"
#include "stations/frmStations.h"
#include "tests/support/http-test-server.h"

#include <QProcess>
#include <QtTest>

namespace {

bool CopyFolder(const QString &from, const QString &to) {
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::Files))
        if (!QFile::copy(entry.filePath(), to + '/' + entry.fileName()))
            return false;
    return true;
}

} // namespace

class InstalledForUserTest : public QObject {
    Q_OBJECT
private:
    const QString prefix = qEnvironmentVariable("TUNELARK_INSTALLED_PREFIX");
    const QString programFolder = prefix + "/lib/tunelark";
    QList<ui::BoxRequest> boxes;
    ui::Answer answer = ui::Answer::No;
    std::unique_ptr<FrmFM> player;

    void startPlayer() {
        player = std::make_unique<FrmFM>(programFolder);
        player->Form_Load();
    }
    QStringList listed(const QListWidget *list) const {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }
    bool addWithTheTool(const QString &name, const QString &address) {
        QProcess tool;
        tool.start(prefix + "/bin/tunelark-cli",
                   {"stations", "add", programFolder + "/Player.dll", name, address});
        return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit &&
               tool.exitCode() == 0;
    }

private slots:
    void initTestCase() {
        QVERIFY2(!prefix.isEmpty(), "TUNELARK_INSTALLED_PREFIX names the installation");
        QVERIFY2(!QFileInfo(programFolder).isWritable(), "the program folder must be read-only");
        ui::InstallMessageBoxHandler([this](const ui::BoxRequest &request) {
            boxes.append(request);
            return answer;
        });
        ui::InstallEndProgramHandler([](int code) { QFAIL(qPrintable(QString("ended with %1").arg(code))); });
    }
    void cleanup() {
        player.reset();
        boxes.clear();
        answer = ui::Answer::No;
    }

    void stationAddedInStationsShowsInThePlayer() {
        frmStations stations(programFolder);
        stations.Form_Load();
        const QStringList installed = listed(stations.LstStations);
        QVERIFY(!installed.isEmpty());
        FrmNew dialog(stations);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.TxtURL->setText("http://127.0.0.1:9/stations-radio");
        dialog.TxtName->setText("Stations Radio");
        QTest::keyClick(dialog.TxtName, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(common::StationListPath(programFolder), common::UserDataFolder() + "/Player.dll");
        startPlayer();
        QCOMPARE(listed(player->LstStations), installed + QStringList{"Stations Radio"});
    }

    void stationAddedByTheToolShowsInThePlayer() {
        QVERIFY(addWithTheTool("Tool Radio", "http://127.0.0.1:9/tool-radio"));
        startPlayer();
        const QStringList stations = listed(player->LstStations);
        QCOMPARE(stations.mid(stations.size() - 2), (QStringList{"Stations Radio", "Tool Radio"}));
    }

    // The downloaded list's work file goes to the user's data folder too, and away again.
    void onlineUpdateReachesThePlayer() {
        frmStations stations(programFolder);
        stations.Form_Load();
        common::StationList published = stations.CurrentStations();
        published.append(common::Station{"Update Radio", "http://127.0.0.1:9/update-radio"});
        HttpTestServer server;
        server.route("/FM/Player.dll", {200, common::FormatStationFile(published)});
        qputenv("TUNELARK_UPDATE_URL", server.url("/FM/Player.dll").toEncoded());
        answer = ui::Answer::Yes;
        stations.CmdLive_Click();
        QCOMPARE(boxes.size(), 2); // the question, then the outcome
        QCOMPARE(boxes[1].text, "Successfully created the new stations file.\r\n\r\n1 new station(s) added.");
        QVERIFY(!QFileInfo::exists(common::UserDataFolder() + "/Update.dll"));
        startPlayer();
        QCOMPARE(listed(player->LstStations).last(), QStringLiteral("Update Radio"));
    }

    void skinInTheUserFolderIsListedAndLoads() {
        const QString skin = common::UserDataFolder() + "/Skins/My Own Skin";
        QVERIFY(CopyFolder(programFolder + "/Skins/Harbour Night", skin));
        startPlayer();
        QVERIFY(listed(player->LstSkins).contains("My Own Skin"));
        QVERIFY(listed(player->LstSkins).contains("Fern Valley"));
        player->LoadSkin("My Own Skin");
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(player->LstSkins->currentItem()->text(), QStringLiteral("My Own Skin"));
        QCOMPARE(player->BackPic->picture().size(), QImage(skin + "/Main.bmp").size());
        QVERIFY(!common::GetSetting(common::kApplication, "Skin", "BackColor").isEmpty());
    }

    void recordingLandsInTheMusicFolder() {
        const QString radio = qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL");
        QVERIFY2(!radio.isEmpty(), "needs the radio server the test command starts");
        QVERIFY(addWithTheTool("Tone Radio", radio));
        startPlayer();
        player->LstStations->setCurrentRow(player->LstStations->count() - 1);
        player->PicPlay_Click();
        QTRY_VERIFY_WITH_TIMEOUT(player->StationPlaying && player->WM->playState() == 3, 15000);
        QTimer::singleShot(2000, player.get(), [this] { player->PicRecordStop_Click(); });
        player->PicRecord_Click(); // returns once stopped and converted
        const QString music = qEnvironmentVariable("XDG_MUSIC_DIR") + "/Tunelark";
        const QStringList made = QDir(music).entryList({"Recorded_*.mp3"}, QDir::Files);
        QCOMPARE(made.size(), 1);
        QVERIFY(QFileInfo(music + '/' + made[0]).size() > 10000);
        QVERIFY(!boxes.isEmpty());
        QVERIFY2(boxes.last().text.startsWith("MP3 File created successfully."),
                 qPrintable(boxes.last().text));
    }
};

QTEST_MAIN(InstalledForUserTest)
#include "tst_installed_for_user.moc"
