// Playback in the main window against a real radio server (Icecast fed a tone) and real failures.

#include "common/settings-store.h"
#include "common/station-file.h"
#include "platform/media/media-player-control.h"
#include "player/FrmBig.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"
#include "platform/tray/tray-icon.h"
#include "player/ModSysTray.h"
#include "player/now-playing/now-playing-line.h"
#include "player/now-playing/song-history-dialog.h"
#include "player/picture-box.h"
#include "tests/platform/media/media-fixtures.h"
#include "tests/platform/sink-recorder.h"
#include "tests/support/http-test-server.h"
#include "tests/support/icecast-admin.h"
#include "tests/support/test-environment.h"

#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTimer>
#include <QtTest>

namespace {

const QString kUnavailable = QStringLiteral("Sorry this station is not available at the moment.");

int ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort(); // closed again when the probe goes
}

} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private:
    QString radio;
    std::unique_ptr<HttpTestServer> silent;
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    void load(const common::StationList &stations) {
        env = std::make_unique<TestEnvironment>();
        common::WriteStationFile(env->path("Player.dll"), stations);
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        ModOthers::ClipPlayed = false; // each case is a run of its own
    }
    // The radio server scripts/run-tests.sh starts; a failure, not a skip, when it is missing.
    bool radioRuns() const {
        if (radio.isEmpty())
            qWarning("TUNELARK_TEST_ICECAST_URL is not set: the radio server that scripts/run-tests.sh "
                     "starts is missing");
        return !radio.isEmpty();
    }
    int unavailableMessages() const {
        int count = 0;
        for (const ui::BoxRequest &box : env->boxes)
            count += box.text.startsWith(kUnavailable) && box.icon == ui::Icon::Information;
        return count;
    }

private slots:
    void initTestCase() {
        // Only the cases that play it need the radio server; the others run without it.
        radio = qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL");
        qputenv("TUNELARK_OPEN_TIMEOUT_MS", "2000");
        silent = std::make_unique<HttpTestServer>();
        silent->route("/silent", HttpTestServer::Route(200, {}, {}, true));
    }
    void cleanup() {
        window.reset();
        env.reset();
    }

    // The titles the station's playout sets on the server: on the display, in the tray's tooltip,
    // in the song history (its file and its window, newest first); gone from the display on Stop.
    void streamTitlesShowAndAreKept() {
        QVERIFY(radioRuns());
        load({{"Tone Radio", radio}});
        ModSysTray::SetTrayIcon(*window, ModSysTray::Add);
        window->PicPlay_Click();
        QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 15000);
        const QStringList titles = {"First Artist - First Song", "Second Song"};
        for (const QString &title : titles) {
            const QString error = SetIcecastTitle(title);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QTRY_COMPARE_WITH_TIMEOUT(window->LblNowPlaying->text(), title, 10000);
            QVERIFY(window->LblNowPlaying->isVisibleTo(window.get()));
            QCOMPARE(window->Tray->tip(),
                     platform::tray::CutToTipField("Ravelto's Online Radio is Playing : Tone Radio — " + title));
        }

        now_playing::SongHistory kept(env->dataHome() + "/Tunelark/history.tsv");
        kept.load();
        QVERIFY(kept.songs().size() >= 2);
        QCOMPARE(kept.songs()[0].title, titles[1]);
        QCOMPARE(kept.songs()[1].title, titles[0]);
        QCOMPARE(kept.songs()[0].station, QStringLiteral("Tone Radio"));

        window->mnuHistory->trigger();
        QVERIFY(window->HistoryWindow->isVisible());
        QVERIFY(window->HistoryWindow->list()->item(0)->text().endsWith("\tTone Radio\tSecond Song"));
        window->HistoryWindow->copyAll();
        const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), window->HistoryWindow->list()->count());
        QVERIFY(copied[1].endsWith("\tFirst Artist - First Song"));

        window->PicStop_Click();
        QCOMPARE(window->LblNowPlaying->text(), QString());
        QVERIFY(!window->LblNowPlaying->isVisibleTo(window.get()));
        QCOMPARE(window->Tray->tip(), QStringLiteral("Ravelto's Online Radio"));
    }

    // The station goes off the air while it plays (its source stops) and comes back: the player
    // returns to it by itself, heard again on the sink, saying "Reconnecting…" meanwhile and showing
    // no message.
    void droppedStationComesBack() {
        QVERIFY(radioRuns());
        TUNELARK_REQUIRE_SOUND_SERVER();
        qputenv("TUNELARK_RECONNECT_LIMIT_MS", "60000");
        SinkRecorder sink;
        QVERIFY2(sink.error().isEmpty(), qPrintable(sink.error()));
        IcecastSource source(QStringLiteral("/drop.mp3"));
        QString error = source.start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        load({{"Tone Radio", source.url()}});
        ModSysTray::SetTrayIcon(*window, ModSysTray::Add);
        window->PicPlay_Click();
        QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 15000);

        source.stop();
        QTRY_VERIFY_WITH_TIMEOUT(window->Reconnecting(), 15000);
        QCOMPARE(window->LblMessage->text(), FrmFM::kReconnecting);
        QVERIFY(window->Tray->tip().contains(FrmFM::kReconnecting));
        error = source.start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 40000);
        QVERIFY(!window->Reconnecting());
        sink.clear();
        QVERIFY2(sink.waitForSound(5000), "the tone is not heard again");
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(!window->Tray->tip().contains(FrmFM::kReconnecting));
        QCOMPARE(env->boxes.size(), 0);
        QVERIFY(window->StationPlaying);
    }

    // A station that played and then cannot be reached: Stop ends the retries quietly; left alone,
    // they end with one message at the limit.
    void unreachableStationGivesUpOnce() {
        qputenv("TUNELARK_RECONNECT_LIMIT_MS", "4500"); // retries at 1 s and 2 s after the drop, then the limit
        QTemporaryDir dir;
        QVERIFY(MakeMedia({"-f", "lavfi", "-i", "sine=frequency=440:duration=1.5", "-c:a", "libmp3lame"},
                          dir.filePath("short.mp3")));
        QFile mp3(dir.filePath("short.mp3"));
        QVERIFY(mp3.open(QIODevice::ReadOnly));
        const QByteArray tone = mp3.readAll();
        HttpTestServer station;
        load({{"Short", station.url("/short.mp3").toString()}});

        const auto playUntilDropped = [&] {
            station.route("/short.mp3", {200, tone});
            window->PicPlay_Click();
            QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 15000);
            station.route("/short.mp3", {404}); // gone from here on
            QTRY_VERIFY_WITH_TIMEOUT(window->Reconnecting(), 10000);
        };
        playUntilDropped();
        window->PicStop_Click();
        QVERIFY(!window->Reconnecting());
        QTest::qWait(5000);
        QCOMPARE(unavailableMessages(), 0);

        playUntilDropped();
        QTRY_VERIFY_WITH_TIMEOUT(!window->Reconnecting(), 15000);
        QTest::qWait(1000);
        QCOMPARE(unavailableMessages(), 1);
        QCOMPARE(env->boxes.size(), 1);
        QVERIFY(!window->StationPlaying);
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(station.requests.count("/short.mp3") >= 4); // two plays and at least two retries
    }

    void playFlickersAndStopRestores() {
        QVERIFY(radioRuns());
        load({{"Tone Radio", radio}, {"Other", "http://127.0.0.1:9/"}});
        QVERIFY(window->PicMess->isVisibleTo(window.get()));
        window->PicPlay_Click();
        QVERIFY(window->StationPlaying);
        QVERIFY(ModOthers::ClipPlayed);
        QVERIFY(!window->PicMess->isVisibleTo(window.get()));
        QCOMPARE(ModOthers::CurrentStationName, QStringLiteral("Tone Radio"));
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->playState(), 3, 15000);
        QVERIFY(window->TmrFlash->isActive());
        QVERIFY(window->IsPlaying());

        window->PicStop_Click();
        QVERIFY(!window->StationPlaying);
        QVERIFY(window->PicMess->isVisibleTo(window.get()));
        QTRY_VERIFY(!window->TmrFlash->isActive());
        QCOMPARE(unavailableMessages(), 0);
    }

    void trayItemStopsAndResumesTheSameAddress() {
        QVERIFY(radioRuns());
        load({{"Tone Radio", radio}});
        window->PicPlay_Click();
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->playState(), 3, 15000);
        window->MnuPause->trigger();
        QCOMPARE(window->MnuPause->text(), QStringLiteral("Play"));
        QTRY_VERIFY(window->WM->playState() != 3);
        QVERIFY(window->StationPlaying); // the tray item leaves the request alone
        window->MnuPause->trigger();
        QCOMPARE(window->MnuPause->text(), QStringLiteral("Stop"));
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->playState(), 3, 15000);
        QCOMPARE(window->WM->URL(), radio);
    }

    void unavailableStationIsReportedOnce_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("closed port") << QStringLiteral("http://127.0.0.1:%1/").arg(ClosedPort());
        QTest::newRow("never answers") << QString();
        QTest::newRow("a camera") << QStringLiteral("v4l2:///dev/video0");
    }
    void unavailableStationIsReportedOnce() {
        QFETCH(QString, address);
        if (address.isEmpty())
            address = silent->url("/silent").toString();
        load(
            {{"Broken", address}, {"Also broken", QStringLiteral("http://127.0.0.1:%1/").arg(ClosedPort())}});
        window->PicPlay_Click();
        QTRY_COMPARE_WITH_TIMEOUT(unavailableMessages(), 1, 10000);
        QVERIFY(!window->StationPlaying);
        QCOMPARE(window->WM->Error().errorCount(), 0);

        // Another failing station brings its own message, and none more for the first.
        window->PicStop_Click();
        window->LstStations->setCurrentRow(1);
        window->PicPlay_Click();
        QTRY_COMPARE_WITH_TIMEOUT(unavailableMessages(), 2, 10000);
        QTest::qWait(500);
        QCOMPARE(unavailableMessages(), 2);
    }

    void playWithNoStationSelectedSaysSo() {
        load({{"Tone Radio", radio}});
        window->LstStations->setCurrentRow(-1);
        window->PicPlay_Click();
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, QStringLiteral("Subscript out of range"));
        QCOMPARE(env->boxes[0].icon, ui::Icon::Critical);
        QVERIFY(window->StationPlaying);
        QVERIFY(!ModOthers::ClipPlayed);
    }

    void volumeBarToggleFollowsTheSetting() {
        load({{"Tone Radio", radio}});
        QCOMPARE(window->WM->height(), 184); // hidden for a fresh user
        QCOMPARE(window->mnuShowVol->text(), QStringLiteral("Show"));
        window->mnuShowVol->trigger();
        QCOMPARE(window->WM->height(), 140);
        QCOMPARE(window->mnuShowVol->text(), QStringLiteral("Hide"));
        QCOMPARE(common::GetSetting(common::kApplication, "VolumeControl", "Show"), QStringLiteral("1"));
        window->mnuShowVol->trigger();
        QCOMPARE(window->WM->height(), 184);
        QCOMPARE(window->mnuShowVol->text(), QStringLiteral("Show"));
        QCOMPARE(common::GetSetting(common::kApplication, "VolumeControl", "Show"), QStringLiteral("0"));

        common::SaveSetting(common::kApplication, "VolumeControl", "Show", "1");
        FrmFM reloaded(env->programFolder());
        reloaded.Form_Load();
        QCOMPARE(reloaded.WM->height(), 140);
    }

    void rightClickOverTheVideoOpensTheViewMenu() {
        load({{"Tone Radio", radio}});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->WM_MouseDown(1);
        QVERIFY(!window->mnuView->isVisible());
        window->WM_MouseDown(2);
        QTRY_VERIFY(window->mnuView->isVisible());
        QStringList captions;
        for (QAction *item : window->mnuView->actions())
            captions.append(item->text());
        QCOMPARE(captions, (QStringList{"Video Size", "Volume Control", "Song History", "Song Notifications"}));
        window->mnuView->hide();
    }

    void enlargedViewTakesTheStreamAndGivesItBack() {
        QVERIFY(radioRuns());
        load({{"Tone Radio", radio}});
        window->PicPlay_Click();
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->playState(), 3, 15000);
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            FrmBig *view = nullptr;
            QTRY_VERIFY((view = qobject_cast<FrmBig *>(QApplication::activeModalWidget())));
            auto *bigControl = view->WM;
            QCOMPARE(bigControl->URL(), radio);
            QCOMPARE(bigControl->volume(), 50);
            QTRY_COMPARE_WITH_TIMEOUT(bigControl->playState(), 3, 15000);
            QVERIFY(window->WM->playState() != 3);
            checked = true;
            view->close();
        });
        window->mnu200_Click();
        QVERIFY(checked);
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->playState(), 3, 15000);
    }
};

QTEST_MAIN(PlaybackTest)
#include "tst_playback.moc"
