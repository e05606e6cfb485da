// The recording workflow in the main window, with the player playing the local radio server into the
// test PulseAudio daemon's null sink: Record, Stop Recording, Stop, closing the player, a broken
// encoder library, a read-only program folder; the recording hint window and the advanced recorder.

#include "common/settings-store.h"
#include "common/station-file.h"
#include "platform/mci/mci.h"
#include "platform/media/media-player-control.h"
#include "platform/ui/error-box.h"
#include "player/FrmFM.h"
#include "player/FrmMessage.h"
#include "player/picture-box.h"
#include "player/record-settings.h"
#include "player/recording/ModRecorder.h"
#include "player/recording/WAVToMP3.h"
#include "tests/platform/sink-recorder.h"
#include "tests/player/recording/media-probe.h"
#include "tests/player/recording/wave-fixture.h"
#include "tests/support/icecast-admin.h"
#include "tests/support/test-environment.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <unistd.h>
#include <utility>

namespace {

const QString kSuccess =
    QStringLiteral("MP3 File created successfully.\r\nDo you want to listen to the below file?\r\n");

// Every text the help line paints.
class HelpLineTexts : public QObject {
public:
    explicit HelpLineTexts(QLabel *label) : m_label(label) { label->installEventFilter(this); }
    QStringList texts;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && (texts.isEmpty() || texts.last() != m_label->text()))
            texts << m_label->text();
        return false;
    }

private:
    QLabel *m_label;
};

bool Run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class RecordingTest : public QObject {
    Q_OBJECT
private:
    QString radio;
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;
    QString readOnlyMount;

    void load() {
        env = std::make_unique<TestEnvironment>();
        qputenv("XDG_CACHE_HOME", (env->configHome() + "/cache").toLocal8Bit());
        env->removeFile("Tunelark.dll");
        QVERIFY(QFile::copy(TUNELARK_ENCODER_LIBRARY, env->path("Tunelark.dll")));
        common::WriteStationFile(env->path("Player.dll"), {{"Tone Radio", radio}});
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        env->answer = ui::Answer::No;
    }
    // Plays the radio server until the sound server hears it; false, saying why, when it cannot. Both
    // servers always run under the test command: a missing one fails the case.
    bool play() {
        if (radio.isEmpty() || !SinkRecorder::available()) {
            qWarning("needs the radio server and the sound server that scripts/run-tests.sh starts");
            return false;
        }
        window->PicPlay_Click();
        if (!QTest::qWaitFor([this] { return window->WM->playState() == 3; }, 15000)) {
            qWarning("the radio did not play");
            return false;
        }
        SinkRecorder sink;
        return sink.waitForSound(10000);
    }
    // Presses Record; `stop` runs after `milliseconds` inside the recording's wait loop.
    void recordFor(int milliseconds, const std::function<void()> &stop) {
        bool stopped = false;
        QTimer::singleShot(milliseconds, this, [&] {
            QCOMPARE(window->Tag, QStringLiteral("RecordStarted"));
            QVERIFY(window->PicRecordStop->isVisibleTo(window.get()));
            QVERIFY(!window->PicRecord->isVisibleTo(window.get()));
            QVERIFY(window->LblMessage->text().startsWith("Recording..... [File Size : "));
            stop();
            stopped = true;
        });
        window->PicRecord_Click();
        QVERIFY(stopped);
    }
    QStringList recordings(const QString &folder) const {
        return QDir(folder).entryList({"Recorded_*"}, QDir::Files);
    }
    // The one MP3 made in `folder`, checked by ffprobe; its path.
    QString checkMp3(const QString &folder) {
        const QStringList files = recordings(folder);
        if (files.size() != 1 || !files[0].endsWith(".mp3"))
            return qWarning() << "recordings:" << files, QString();
        const QString mp3 = folder + '/' + files[0];
        const auto facts = mediaprobe::Probe(mp3);
        if (!facts || facts->bitRate != 160000 || facts->sampleRate != player::RecordSettingValue.toInt() ||
            facts->duration < 1)
            return qWarning() << "not the MP3 expected:" << mp3, QString();
        return mp3;
    }

private slots:
    // Only the cases that play need the radio and sound servers; the others run without them.
    void initTestCase() { radio = qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL"); }
    void cleanup() {
        window.reset();
        // Lazily: the encoder library stays mapped from the mounted folder until the test ends, and
        // the folder under the mount must go with the test's temporary folder.
        const QString mounted = std::exchange(readOnlyMount, QString());
        if (!mounted.isEmpty())
            QVERIFY(Run("umount", {"--lazy", mounted}));
        env.reset();
        qunsetenv("TUNELARK_WAVE_LIMIT_BYTES");
        qunsetenv("XDG_MUSIC_DIR");
        qunsetenv("TUNELARK_NEWS_URL");
    }

    void recordNeedsAPlayingStation() {
        load();
        window->PicRecord_Click();
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text,
                 QStringLiteral("Please click on the Play button first to start playing the "
                                "Radio\r\nand then click the Record button."));
        QCOMPARE(env->boxes[0].icon, ui::Icon::Information);
        QVERIFY(window->PicRecord->isVisibleTo(window.get()));
        QVERIFY(window->Tag.isEmpty());
        QCOMPARE(recordings(env->programFolder()), QStringList());
    }

    void stopRecordingMakesADatedMp3() {
        load();
        QVERIFY(play());
        window->OptSampleRate[6]->setChecked(true); // 44100
        const QString today = QDateTime::currentDateTime().toString("ddMMyy");
        recordFor(2500, [&] { window->PicRecordStop_Click(); });
        QCOMPARE(player::RecordSettingValue, QStringLiteral("44100"));
        QVERIFY(QRegularExpression("^Recorded_" + today + R"(\d{6}$)")
                    .match(ModRecorder::RecordFileName)
                    .hasMatch());
        const QString mp3 = checkMp3(env->programFolder());
        QCOMPARE(mp3, env->path(ModRecorder::RecordFileName + ".mp3"));
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, kSuccess + mp3);
        QCOMPARE(env->boxes[0].buttons, ui::Buttons::YesNo);
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(window->Tag.isEmpty());
        QVERIFY(window->PicRecord->isVisibleTo(window.get()));
        QVERIFY(window->StationPlaying); // playback goes on
    }

    // The station goes off the air during a recording and comes back: the recording runs on through
    // the retries (the silence is recorded) and its MP3 spans the whole time.
    void recordingGoesOnThroughAReconnect() {
        qputenv("TUNELARK_RECONNECT_LIMIT_MS", "60000");
        IcecastSource source(QStringLiteral("/record-drop.mp3"));
        const QString error = source.start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString shared = std::exchange(radio, source.url());
        load();
        radio = shared;
        QVERIFY(play());
        enum class Step { Recording, OffTheAir, Reconnecting, BackOnAir } step = Step::Recording;
        QElapsedTimer recording; // from when the recording has started
        double stoppedAfter = 0; // seconds
        QTimer steps;
        connect(&steps, &QTimer::timeout, this, [&] {
            if (window->Tag != QLatin1String("RecordStarted"))
                return; // still starting; a recording that ended early leaves the steps unfinished
            if (!recording.isValid())
                recording.start();
            QVERIFY(window->LblMessage->text().startsWith("Recording..... [File Size : "));
            if (step == Step::Recording && recording.elapsed() > 1500) {
                source.stop();
                step = Step::OffTheAir;
            } else if (step == Step::OffTheAir && window->Reconnecting()) {
                QVERIFY(source.start().isEmpty());
                step = Step::Reconnecting;
            } else if (step == Step::Reconnecting && window->IsPlaying()) {
                step = Step::BackOnAir;
                steps.stop();
                QTimer::singleShot(1500, this, [&] {
                    stoppedAfter = recording.elapsed() / 1000.0;
                    window->PicRecordStop_Click();
                });
            }
        });
        steps.start(100);
        window->PicRecord_Click(); // returns once stopped and converted
        steps.stop();
        qunsetenv("TUNELARK_RECONNECT_LIMIT_MS");
        QVERIFY(step == Step::BackOnAir);
        const QString mp3 = checkMp3(env->programFolder());
        QVERIFY(!mp3.isEmpty());
        // Everything from the start of the recording to Stop Recording, the time off the air included.
        const double duration = mediaprobe::Probe(mp3)->duration;
        QVERIFY2(duration > stoppedAfter - 1,
                 qPrintable(QStringLiteral("%1 s recorded of %2 s").arg(duration).arg(stoppedAfter)));
        QCOMPARE(env->boxes.size(), 1); // only the one saying the MP3 is ready
        QVERIFY(env->boxes[0].text.startsWith(kSuccess));
    }

    void mp3IsMadeWhileRecording_data() {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("10 s") << 10000;
        QTest::newRow("60 s") << 60000;
    }
    // The MP3 grows while the recording runs, so at Stop Recording only the last moments remain to
    // encode; the finished file holds every sample of the capture, at 160 kbit/s and the recording's
    // rate, and decodes to the station's 440 Hz tone.
    void mp3IsMadeWhileRecording() {
        QFETCH(int, milliseconds);
        load();
        QVERIFY(play());
        window->OptSampleRate[7]->setChecked(true); // 48000
        const QString saved = env->configHome() + "/saved-capture.wav";
        qint64 madeBeforeStop = 0;
        qint64 stopToMp3Ms = 0;
        recordFor(milliseconds, [&] {
            // A second name for the capture keeps the saved WAVE file readable after it is deleted.
            QString capture;
            QCOMPARE(platform::mci::mciSendString("info recsound file", &capture), 0);
            QCOMPARE(::link(QFile::encodeName(capture).constData(), QFile::encodeName(saved).constData()), 0);
            madeBeforeStop = QFileInfo(env->path(ModRecorder::RecordFileName + ".mp3.part")).size();
            QElapsedTimer sinceStop;
            sinceStop.start();
            window->PicRecordStop_Click();
            stopToMp3Ms = sinceStop.elapsed();
        });
        const QString mp3 = checkMp3(env->programFolder());
        QVERIFY(!mp3.isEmpty());
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, kSuccess + mp3);
        QFile wave(saved);
        QVERIFY(wave.open(QIODevice::ReadOnly));
        const qint64 frames = qFromLittleEndian<quint32>(wave.read(44).constData() + 40) / 4;
        const double seconds = double(frames) / 48000;
        qInfo("%.2f s recorded; %lld bytes of MP3 made before Stop; Stop Recording to MP3: %lld ms", seconds,
              madeBeforeStop, stopToMp3Ms);
        // 20 000 bytes a second: all but the last two seconds were encoded before Stop.
        QVERIFY2(madeBeforeStop >= qint64((seconds - 2) * 20000),
                 qPrintable(QString::number(madeBeforeStop)));
        const auto facts = mediaprobe::Probe(mp3);
        QVERIFY2(
            qAbs(facts->duration - facts->startTime - seconds) < 0.1,
            qPrintable(
                QStringLiteral("%1 - %2 s of %3 s").arg(facts->duration).arg(facts->startTime).arg(seconds)));
        // What the conversion after Stop makes of the same capture, byte for byte.
        const QString after = env->configHome() + "/after.mp3";
        QCOMPARE(WAVToMP3(env->path("Tunelark.dll"), {}).CreateWAVtoMP3(saved, after, false), QString());
        QVERIFY(wavefixture::ReadFile(mp3) == wavefixture::ReadFile(after));
        const auto decoded = mediaprobe::DecodeLeft(mp3);
        QVERIFY(decoded);
        QCOMPARE(decoded->size(), frames);
        // The MP3 sounds as the capture does. The capture is the station's 440 Hz tone as libVLC played
        // it: libVLC resamples by up to 10 % to keep pace with a live stream's clock, more so on a busy
        // machine (437-449 Hz seen here), so the station's tone is judged within that.
        const double tone = mediaprobe::ToneFrequency(*decoded, 48000);
        const double captured =
            mediaprobe::ToneFrequency(mediaprobe::LeftChannel(wavefixture::ReadFile(saved).mid(44)), 48000);
        qInfo("the MP3's tone %.2f Hz, the capture's %.2f Hz", tone, captured);
        QVERIFY2(qAbs(tone - captured) < 0.5,
                 qPrintable(QStringLiteral("%1 Hz against %2 Hz").arg(tone).arg(captured)));
        QVERIFY2(qAbs(captured - 440) < 44, qPrintable(QString::number(captured)));
    }

    void stopEndsPlaybackAndConverts() {
        load();
        QVERIFY(play());
        recordFor(1500, [&] { window->PicStop_Click(); });
        QVERIFY(!window->StationPlaying);
        QVERIFY(!checkMp3(env->programFolder()).isEmpty());
        QVERIFY(window->Tag.isEmpty());
    }

    void closingThePlayerSavesTheRecordingFirst_data() {
        QTest::addColumn<bool>("requested"); // from outside (a logout, `kill`), not by the Close button
        QTest::newRow("Close") << false;
        QTest::newRow("stop request") << true;
    }
    // Only a listener who closed the player is asked whether to listen to the recording: on a
    // request from outside no one may be there to answer, and the question would hold up the end.
    void closingThePlayerSavesTheRecordingFirst() {
        QFETCH(bool, requested);
        load();
        QVERIFY(play());
        recordFor(1500, [&] { requested ? window->EndOnRequest() : window->PicClose_Click(); });
        QCOMPARE(env->endedWith, std::optional<int>(0));
        const QString mp3 = checkMp3(env->programFolder());
        QVERIFY(!mp3.isEmpty());
        QCOMPARE(env->boxes.size(), requested ? 0 : 1);
        if (!requested)
            QCOMPARE(env->boxes[0].text, kSuccess + mp3);
    }

    void savingTheSettingsFinishesTheRecordingBeforeTheReload() {
        load();
        QVERIFY(play());
        QSignalSpy reload(window.get(), &FrmFM::ReloadRequested);
        recordFor(1500, [&] {
            window->PicOK_Click();
            QCOMPARE(reload.count(), 0); // not while Record still runs
        });
        QCOMPARE(reload.count(), 1);
        QVERIFY(!checkMp3(env->programFolder()).isEmpty());
    }

    void encoderThatCannotLoadKeepsTheWaveWithOneBox_data() {
        QTest::addColumn<QByteArray>("library"); // empty: no library file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "File not found: %1";
        QTest::newRow("not a library") << QByteArray("not a library\n") << "Error in loading DLL: %1";
    }
    void encoderThatCannotLoadKeepsTheWaveWithOneBox() {
        QFETCH(QByteArray, library);
        QFETCH(QString, reason);
        load();
        env->removeFile("Tunelark.dll");
        if (!library.isEmpty())
            env->writeFile("Tunelark.dll", library);
        QVERIFY(play());
        recordFor(1500, [&] { window->PicRecordStop_Click(); });
        const QString kept = env->path(ModRecorder::RecordFileName + ".wav");
        QCOMPARE(recordings(env->programFolder()), QStringList{QFileInfo(kept).fileName()});
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text,
                 "The MP3 encoder could not be loaded: " + reason.arg(env->path("Tunelark.dll")) +
                     "\r\nThe recording is kept as a WAVE file:\r\n" + kept);
        QCOMPARE(env->boxes[0].icon, ui::Icon::Exclamation);
        QFile wave(kept);
        QVERIFY(wave.open(QIODevice::ReadOnly));
        const QByteArray header = wave.read(44);
        QCOMPARE(header.left(4), QByteArray("RIFF"));
        QCOMPARE(qint64(qFromLittleEndian<quint32>(header.constData() + 40)), wave.size() - 44);
        QVERIFY(window->Tag.isEmpty());
    }

    // The recording folder goes away while recording: the save fails, and the recording is kept in the
    // music folder, or, when nothing can be written there, left for the next start to keep.
    void failedSaveKeepsTheRecording_data() {
        QTest::addColumn<bool>("musicWritable");
        QTest::newRow("kept in the music folder") << true;
        QTest::newRow("nowhere to write: kept at the next start") << false;
    }
    void failedSaveKeepsTheRecording() {
        QFETCH(bool, musicWritable);
        load();
        const QString music = env->configHome() + "/music";
        // A music folder below a regular file can never be made.
        const QString blocker = env->configHome() + "/blocker";
        QVERIFY(wavefixture::WriteFile(blocker, "a file, not a folder\n"));
        qputenv("XDG_MUSIC_DIR", (musicWritable ? music : blocker + "/music").toLocal8Bit());
        QVERIFY(play());
        const QString folder = env->programFolder();
        recordFor(1500, [&] {
            QVERIFY(QDir(folder).removeRecursively());
            window->PicRecordStop_Click();
        });
        QVERIFY(window->Tag.isEmpty());
        QCOMPARE(env->boxes.first().title, QStringLiteral("Error (save)"));
        const QString cache = env->configHome() + "/cache/Tunelark";
        if (musicWritable) {
            const QStringList kept = recordings(music + "/Tunelark");
            QCOMPARE(kept.size(), 1);
            QVERIFY(kept[0].endsWith(".wav"));
            QCOMPARE(env->boxes.last().text, "The recording could not be saved in " + folder +
                                                 ".\r\nIt is kept as a WAVE file:\r\n" + music +
                                                 "/Tunelark/" + kept[0]);
            QVERIFY(wavefixture::ReadFile(music + "/Tunelark/" + kept[0]).size() > 44 + 48000 * 4 / 2);
            QCOMPARE(QDir(cache).entryList(QDir::Files), QStringList());
            return;
        }
        QVERIFY2(env->boxes.last().text.endsWith("the next time Tunelark starts:\r\n" + cache),
                 qPrintable(env->boxes.last().text));
        QCOMPARE(QDir(cache).entryList(QDir::Files).size(), 1);
        // The next start, with a place to write again.
        QVERIFY(QDir().mkpath(folder));
        env->boxes.clear();
        window->KeepInterruptedRecordings();
        QCOMPARE(recordings(folder).size(), 1);
        QVERIFY(wavefixture::ReadFile(env->path(recordings(folder)[0])).size() > 44 + 48000 * 4 / 2);
        QCOMPARE(QDir(cache).entryList(QDir::Files), QStringList());
    }

    // The sound server refused "record": Stop Recording says nothing was recorded, once, and makes no file.
    void nothingRecordedMakesNoFile() {
        load();
        QVERIFY(play());
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/tunelark-test/native");
        recordFor(500, [&] { window->PicRecordStop_Click(); });
        qputenv("PULSE_SERVER", server);
        QStringList titles;
        for (const ui::BoxRequest &box : env->boxes)
            titles << box.title;
        QCOMPARE(titles, (QStringList{"Error (record)", ui::kErrorTitle}));
        QCOMPARE(env->boxes.last().text, QStringLiteral("Nothing was recorded, so no file was made."));
        QCOMPARE(recordings(env->programFolder()), QStringList());
        QCOMPARE(QDir(env->configHome() + "/cache/Tunelark").entryList(QDir::Files), QStringList());
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(window->Tag.isEmpty());
    }

    // Record hides the ticker; the finished MP3 brings it back only when the news is on; the help line
    // shows every step of the save.
    void helpLineAndTickerAroundARecording_data() {
        QTest::addColumn<bool>("newsOn");
        QTest::newRow("news on") << true;
        QTest::newRow("news off") << false;
    }
    void helpLineAndTickerAroundARecording() {
        QFETCH(bool, newsOn);
        qputenv("TUNELARK_NEWS_URL", "http://127.0.0.1:9/includes/tick.htm");
        load();
        common::SaveSetting(common::kApplication, "News", "Show", newsOn ? "1" : "0");
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->LblNews->isVisibleTo(window.get()), newsOn);
        HelpLineTexts shown(window->LblMessage);
        QVERIFY(play());
        recordFor(1500, [&] {
            QVERIFY(!window->LblNews->isVisibleTo(window.get()));
            QVERIFY(window->LblMessage->isVisibleTo(window.get()));
            window->PicRecordStop_Click();
        });
        QVERIFY(env->boxes.last().text.startsWith(kSuccess));
        QCOMPARE(window->LblNews->isVisibleTo(window.get()), newsOn);
        QCOMPARE(window->LblMessage->isVisibleTo(window.get()), !newsOn);
        const QStringList saving = shown.texts.filter("Saving MP3 File");
        QCOMPARE(saving.first(), QStringLiteral("Saving MP3 File Please wait...."));
        QCOMPARE(saving.mid(1, 2),
                 (QStringList{"Saving MP3 File..........10%", "Saving MP3 File..........20%"}));
        QCOMPARE(saving.last(), QStringLiteral("Saving MP3 File..........100%"));
        for (const char *step : {"95%", "98%"})
            QVERIFY2(saving.contains("Saving MP3 File.........." + QString::fromLatin1(step)), step);
    }

    void stopsByItselfAtTheWaveLimit() {
        load();
        QVERIFY(play());
        qputenv("TUNELARK_WAVE_LIMIT_BYTES", "192000"); // one second at 48000 Hz
        window->OptSampleRate[7]->setChecked(true);
        window->PicRecord_Click(); // returns once the recording stopped by itself and was converted
        QVERIFY(env->boxes.size() >= 2);
        QVERIFY(env->boxes[0].text.contains("4 GB"));
        QVERIFY(env->boxes.last().text.startsWith(kSuccess));
        QVERIFY(!checkMp3(env->programFolder()).isEmpty());
    }

    void readOnlyProgramFolderRecordsIntoMusic() {
        load();
        const QString folder = env->programFolder();
        // The test command runs as root, so a read-only program folder is always at hand: no skipping.
        QVERIFY2(Run("mount", {"--bind", folder, folder}),
                 "mount (as root) makes the read-only program folder");
        readOnlyMount = folder;
        QVERIFY(Run("mount", {"-o", "remount,ro,bind", folder, folder}));
        const QString music = env->configHome() + "/music";
        qputenv("XDG_MUSIC_DIR", music.toLocal8Bit());
        QVERIFY(play());
        recordFor(1500, [&] { window->PicRecordStop_Click(); });
        qunsetenv("XDG_MUSIC_DIR");
        const QString mp3 = checkMp3(music + "/Tunelark");
        QVERIFY(!mp3.isEmpty());
        QCOMPARE(env->boxes.last().text, kSuccess + mp3);
    }

    void aRecordingLeftByACrashIsKeptAsAWave() {
        load();
        const QString cache = env->configHome() + "/cache/Tunelark";
        QVERIFY(QDir().mkpath(cache));
        // What the device writes when it starts: the header with no length yet, then the sound.
        using namespace wavefixture;
        const QByteArray header = Riff(Chunk("fmt ", Format(2, 22050, 16)) + Chunk("data", {}));
        QVERIFY(WriteFile(cache + "/recording-x1Y2z3.pcm", header + SineSamples(22050, 22050, 1000)));
        // The MP3 the crashed recording was being encoded into goes: its WAVE file is kept whole.
        QVERIFY(WriteFile(env->path("Recorded_101226093000.mp3.part"), QByteArray(4000, '\xFF')));
        const QString today = QDateTime::currentDateTime().toString("ddMMyy");

        window->KeepInterruptedRecordings();
        const QStringList kept = recordings(env->programFolder());
        QCOMPARE(kept.size(), 1);
        QVERIFY2(QRegularExpression("^Recorded_" + today + R"(\d{6}\.wav$)").match(kept[0]).hasMatch(),
                 qPrintable(kept[0]));
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].text, "Tunelark ended while recording. What was recorded until then is kept "
                                     "as a WAVE file:\r\n" +
                                         env->path(kept[0]));
        QFile wave(env->path(kept[0]));
        QVERIFY(wave.open(QIODevice::ReadOnly));
        QCOMPARE(wave.size(), 44 + 88200);
        QCOMPARE(qFromLittleEndian<quint32>(wave.read(44).constData() + 40), 88200u);
        QCOMPARE(QDir(cache).entryList(QDir::Files), QStringList());

        window->KeepInterruptedRecordings(); // once only
        QCOMPARE(env->boxes.size(), 1);
    }

    void hintWindowRemembersDoNotShow_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("ticked, close button") << true << false;
        QTest::newRow("not ticked, Esc") << false << true;
    }
    void hintWindowRemembersDoNotShow() {
        QFETCH(bool, ticked);
        QFETCH(bool, byEscape);
        env = std::make_unique<TestEnvironment>();
        QVERIFY(FrmMessage::ShowAtStartUp());
        FrmMessage hint;
        hint.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hint));
        QVERIFY(hint.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(hint.ImgOpen->toolTip(), QStringLiteral("Click to open the Recording Control Window"));
        QCOMPARE(hint.ImgEmail->toolTip(), QStringLiteral("Click to send an email to me."));
        QCOMPARE(hint.PicClose->toolTip(), QStringLiteral("Close"));
        hint.ChkShow->setChecked(ticked);
        if (byEscape)
            QTest::keyClick(&hint, Qt::Key_Escape);
        else
            hint.PicClose_Click();
        QVERIFY(!hint.isVisible());
        QCOMPARE(common::GetSetting(common::kApplication, "Message", "Show"), ticked ? "1" : "0");
        QCOMPARE(FrmMessage::ShowAtStartUp(), !ticked);
    }

    void recordingControlNeedsPavucontrol() {
        env = std::make_unique<TestEnvironment>();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", env->configHome().toLocal8Bit()); // no pavucontrol there
        FrmMessage hint;
        hint.ImgOpen_Click();
        qputenv("PATH", path);
        QCOMPARE(env->boxes.size(), 1);
        QVERIFY(env->boxes[0].text.contains("pavucontrol"));
    }

    void advancedRecorderGetsItsToken() {
        env = std::make_unique<TestEnvironment>();
        const QString said = env->configHome() + "/arguments";
        env->writeFile("Encoder.dll", ("#!/bin/sh\nprintf '%s|' \"$@\" > '" + said + "'\n").toUtf8());
        QFile::setPermissions(env->path("Encoder.dll"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        FrmFM main(env->programFolder());
        main.PicAdvanceRec_Click();
        const auto arguments = [&] {
            QFile file(said);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_COMPARE(arguments(), QByteArray("Tunelark Rec A|"));
        QCOMPARE(env->boxes.size(), 0);
    }
};

QTEST_MAIN(RecordingTest)
#include "tst_recording.moc"
