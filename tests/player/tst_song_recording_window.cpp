// Recording the station's songs from the main window: the mode's choice on the settings panel (saved,
// restored, apart from the rate), Record's rule for a station that is not playing, and Record, the help
// line and Stop Recording, Stop and the settings' reload with the player playing the local radio server.

#include "common/settings-store.h"
#include "common/station-file.h"
#include "platform/media/media-player-control.h"
#include "player/FrmFM.h"
#include "player/picture-box.h"
#include "tests/support/test-environment.h"

#include <QDate>
#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using common::GetSetting;
using common::kApplication;

class SongRecordingWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    void load() {
        common::WriteStationFile(env->path("Player.dll"),
                                 {{"Tone Radio", qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL")}});
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
    }
    // Plays the local radio server with the per-song mode chosen.
    bool playInSongMode() {
        load();
        window->OptRecordSongs->setChecked(true);
        window->PicPlay_Click();
        return QTest::qWaitFor([this] { return window->WM->playState() == 3; }, 15000);
    }
    QString songFolder() const {
        return env->path(QStringLiteral("Recorded_Tone Radio_") +
                         QDate::currentDate().toString(QStringLiteral("ddMMyy")));
    }
    // Records until the first song's file has some sound, checking the window meanwhile.
    void recordAWhile() {
        window->PicRecord_Click(); // returns at once in this mode
        QCOMPARE(window->Tag, QStringLiteral("RecordStarted"));
        QVERIFY(window->PicRecordStop->isVisibleTo(window.get()));
        QVERIFY(!window->PicRecord->isVisibleTo(window.get()));
        static const QRegularExpression progress(
            QStringLiteral("^Recording\\.\\.\\.\\.\\. \\[01 .+ \\(partial\\)\\.mp3 : [1-9]\\d* KB\\]$"));
        QVERIFY2(
            QTest::qWaitFor([&] { return progress.match(window->LblMessage->text()).hasMatch(); }, 15000),
            qPrintable(window->LblMessage->text()));
    }
    // After the stop: one partial song in the station's folder, the box that says where, the window at rest.
    void checkStopped() {
        const QStringList songs = QDir(songFolder()).entryList(QDir::Files);
        QCOMPARE(songs.size(), 1);
        QVERIFY2(songs.first().startsWith(QStringLiteral("01 ")) &&
                     songs.first().endsWith(QStringLiteral(" (partial).mp3")),
                 qPrintable(songs.first()));
        QVERIFY(QFileInfo(songFolder() + u'/' + songs.first()).size() > 10000);
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, QStringLiteral("The songs are saved in the folder:\r\n") + songFolder());
        QCOMPARE(env->boxes[0].icon, ui::Icon::Information);
        QVERIFY(window->Tag.isEmpty());
        QVERIFY(window->PicRecord->isVisibleTo(window.get()));
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
    }

private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        qputenv("TUNELARK_NEWS_URL", "http://127.0.0.1:9/includes/tick.htm");
    }
    void cleanup() {
        window.reset();
        env.reset();
    }

    void modeIsSavedApartFromTheRate() {
        load();
        QVERIFY(window->OptRecordCard->isChecked()); // the default
        window->OptSampleRate[3]->setChecked(true);
        window->OptRecordSongs->setChecked(true);
        QVERIFY(window->OptSampleRate[3]->isChecked());
        QVERIFY(!window->OptRecordCard->isChecked());
        window->PicOK_Click();
        QCOMPARE(GetSetting(kApplication, "Record", "Mode"), QStringLiteral("Songs"));
        QCOMPARE(GetSetting(kApplication, "Record", "SettingID"), QStringLiteral("3"));
        load();
        QVERIFY(window->OptRecordSongs->isChecked());
        QVERIFY(window->OptSampleRate[3]->isChecked());
        window->OptRecordCard->setChecked(true);
        window->PicOK_Click();
        QCOMPARE(GetSetting(kApplication, "Record", "Mode"), QStringLiteral("Card"));
        common::SaveSetting(kApplication, "Record", "Mode", "something else");
        load();
        QVERIFY(window->OptRecordCard->isChecked());
    }

    void recordNeedsAPlayingStation() {
        load();
        window->OptRecordSongs->setChecked(true);
        window->PicRecord_Click();
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text,
                 QStringLiteral("Please click on the Play button first to start playing the "
                                "Radio\r\nand then click the Record button."));
        QVERIFY(window->Tag.isEmpty());
        QVERIFY(window->PicRecord->isVisibleTo(window.get()));
    }

    void stopRecordingSavesTheSongs() {
        QVERIFY(playInSongMode());
        recordAWhile();
        window->PicRecordStop_Click();
        checkStopped();
        QVERIFY(window->StationPlaying); // playback goes on
    }

    void stopEndsPlaybackAndTheRecording() {
        QVERIFY(playInSongMode());
        recordAWhile();
        window->PicStop_Click();
        checkStopped();
        QVERIFY(!window->StationPlaying);
    }

    // A request from outside (a logout, `kill`) saves the songs as the Close button does, without the
    // box that says where: no one may be there to answer it.
    void stopRequestSavesTheSongsWithoutABox() {
        QVERIFY(playInSongMode());
        recordAWhile();
        window->EndOnRequest();
        QCOMPARE(env->endedWith, std::optional<int>(0));
        const QStringList songs = QDir(songFolder()).entryList(QDir::Files);
        QCOMPARE(songs.size(), 1);
        QVERIFY2(songs.first().endsWith(QStringLiteral(" (partial).mp3")), qPrintable(songs.first()));
        QVERIFY(env->boxes.isEmpty());
    }

    void savingTheSettingsFinishesTheRecordingThenReloads() {
        QVERIFY(playInSongMode());
        QSignalSpy reload(window.get(), &FrmFM::ReloadRequested);
        recordAWhile();
        window->PicOK_Click();
        QCOMPARE(reload.count(), 1);
        checkStopped();
    }
};

QTEST_MAIN(SongRecordingWindowTest)
#include "tst_song_recording_window.moc"
