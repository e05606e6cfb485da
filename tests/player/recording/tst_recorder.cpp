// ModRecorder against the real "waveaudio" device: a tone played into the test PulseAudio daemon's
// null sink is recorded for a few seconds into the temporary WAVE file, whose header is corrected,
// then converted through the real encoder library and judged by ffprobe and ffmpeg.

#include "player/record-settings.h"
#include "player/recording/ModRecorder.h"
#include "player/recording/WAVToMP3.h"
#include "player/recording/encoder-library.h"
#include "tests/platform/sink-recorder.h"
#include "tests/platform/tone-player.h"
#include "tests/player/recording/media-probe.h"
#include "tests/player/recording/wave-fixture.h"
#include "tests/support/test-environment.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

class RecorderTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<QLabel> label;

    // Records for `milliseconds` at `rate`, as the Record action does, and stops as Stop Recording does.
    QStringList record(const QString &rate, int milliseconds) {
        QStringList shown;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] { shown << label->text(); });
        sampler.start(50);
        QTimer::singleShot(milliseconds, this, [] { ModRecorder::IsRecording = false; });
        ModRecorder::StartRecording("2", "16", rate);
        ModRecorder::StopRecording();
        return shown;
    }

private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        qputenv("XDG_CACHE_HOME", (env->configHome() + "/cache").toLocal8Bit());
        label = std::make_unique<QLabel>();
        ModRecorder::StatusLabel = label.get();
        ModRecorder::RecordingFolder = env->programFolder();
        ModRecorder::RecordFileName = "Recorded_071226184931";
        ModRecorder::StoppedByItself = nullptr;
    }
    void cleanup() {
        qunsetenv("TUNELARK_WAVE_LIMIT_BYTES");
        ModRecorder::StatusLabel = nullptr;
        label.reset();
        env.reset();
    }

    void statusText_data() {
        QTest::addColumn<double>("bytes");
        QTest::addColumn<int>("settingId");
        QTest::addColumn<QString>("shown");
        QTest::newRow("10 MiB at 44100") << 10.0 * 1048576 << 6 << "1.10";
        QTest::newRow("nothing yet") << 0.0 << 7 << "0.00";
        // 11025 and 12000 Hz are encoded at 64 kbit/s, not 160.
        QTest::newRow("100 MiB at 11025") << 100.0 * 1048576 << 0 << "18.00";
        QTest::newRow("100 MiB at 12000") << 100.0 * 1048576 << 1 << "17.00";
        QTest::newRow("100 MiB at 16000") << 100.0 * 1048576 << 2 << "31.00";
        QTest::newRow("1 MiB at 48000") << 1048576.0 << 7 << "0.10";
        QTest::newRow("unknown rate index") << 1048576.0 << 9 << "0.00";
        QTest::newRow("over a thousand") << 10000.0 * 1048576 << 3 << "2300.00";
    }
    void statusText() {
        QFETCH(double, bytes);
        QFETCH(int, settingId);
        QFETCH(QString, shown);
        QCOMPARE(ModRecorder::RecordingStatusText(bytes, settingId),
                 "Recording..... [File Size : " + shown + " MB]");
    }

    void shortPath() {
        const QString folder = env->programFolder(); // holds a blank
        QCOMPARE(ModRecorder::GetShortPath(folder), folder);
        QCOMPARE(ModRecorder::GetShortPath("  " + folder + "  "), folder);
        QCOMPARE(ModRecorder::GetShortPath(folder + "/Player.dll"), folder + "/Player.dll");
        QCOMPARE(ModRecorder::GetShortPath(folder + "/player.DLL"), QString()); // names keep their case
        QCOMPARE(ModRecorder::GetShortPath(folder + "/missing"), QString());
        QCOMPARE(ModRecorder::GetShortPath("   "), QString());
    }

    // A failed save leaves no file to correct; only a WAVE file is touched.
    void fixWaveHeaderTouchesOnlyWaveFiles() {
        ModRecorder::RecordBytesPerSec = 176400;
        const QString wave = ModRecorder::TemporaryWavePath();
        ModRecorder::FixWaveHeader();
        QVERIFY(!QFile::exists(wave));
        const QByteArray text(64, 'x');
        env->writeFile("Recorded_071226184931.tmp", text);
        ModRecorder::FixWaveHeader();
        QCOMPARE(wavefixture::ReadFile(wave), text);
        env->writeFile("Recorded_071226184931.tmp", wavefixture::SineWave(48000, 100));
        ModRecorder::FixWaveHeader();
        QCOMPARE(wavefixture::ReadFile(wave).mid(28, 4), QByteArray::fromHex("10b10200"));
    }

    void recordsTheSoundCard_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QByteArray>("bytesPerSec"); // bytes 28–30 of the saved header
        QTest::newRow("44100") << "44100" << QByteArray::fromHex("10b102");
        QTest::newRow("48000") << "48000" << QByteArray::fromHex("00ee02");
    }
    void recordsTheSoundCard() {
        QFETCH(QString, rate);
        QFETCH(QByteArray, bytesPerSec);
        TUNELARK_REQUIRE_SOUND_SERVER();
        TonePlayer tone;
        QVERIFY2(tone.error().isEmpty(), qPrintable(tone.error()));
        player::RecordSettingID = rate == "44100" ? 6 : 7;
        const QStringList shown = record(rate, 2500);
        QCOMPARE(env->boxes.size(), 0);
        QVERIFY(!shown.isEmpty());
        const QRegularExpression status(R"(^Recording\.\.\.\.\. \[File Size : \d+\.\d\d MB\]$)");
        for (const QString &text : shown)
            QVERIFY2(status.match(text).hasMatch(), qPrintable(text));
        QVERIFY(shown.last() != shown.first()); // the estimate grows while recording

        const QByteArray wave = wavefixture::ReadFile(ModRecorder::TemporaryWavePath());
        QCOMPARE(wave.mid(28, 3), bytesPerSec);
        QCOMPARE(wave.mid(22, 2), QByteArray::fromHex("0200"));
        const qint64 frames = (wave.size() - 44) / 4;
        const double waveSeconds = double(frames) / rate.toInt();
        QVERIFY2(waveSeconds > 2 && waveSeconds < 4, qPrintable(QString::number(waveSeconds)));

        QVERIFY(QFile::copy(TUNELARK_ENCODER_LIBRARY, env->path("Tunelark.dll.real")));
        env->removeFile("Tunelark.dll");
        QVERIFY(QFile::rename(env->path("Tunelark.dll.real"), env->path("Tunelark.dll")));
        const QString mp3 = env->path("Recorded_071226184931.mp3");
        WAVToMP3 converter(recording::EncoderLibraryPath(env->programFolder()), {});
        QCOMPARE(converter.CreateWAVtoMP3(ModRecorder::TemporaryWavePath(), mp3, true), QString());
        const auto facts = mediaprobe::Probe(mp3);
        QVERIFY2(facts, "ffprobe (package ffmpeg) is needed and must read the file");
        QCOMPARE(facts->sampleRate, rate.toInt());
        QCOMPARE(facts->bitRate, 160000);
        QVERIFY2(qAbs(facts->duration - facts->startTime - waveSeconds) < 0.1,
                 qPrintable(QStringLiteral("%1 - %2 s against %3 s")
                                .arg(facts->duration)
                                .arg(facts->startTime)
                                .arg(waveSeconds)));
        const auto decoded = mediaprobe::DecodeLeft(mp3);
        QVERIFY(decoded);
        // The first and last moments may hold the sink's silence; the middle second is the tone.
        const QList<qint16> middle = decoded->mid(rate.toInt() / 2, rate.toInt());
        const double frequency = mediaprobe::ToneFrequency(middle, rate.toInt());
        QVERIFY2(qAbs(frequency - 1000) < 10, qPrintable(QString::number(frequency)));
    }

    void refusedSettingShowsOneBoxAndRecordsOn() {
        TUNELARK_REQUIRE_SOUND_SERVER();
        TonePlayer tone; // an idle sink may deliver nothing in half a second, and nothing makes no file
        QVERIFY2(tone.error().isEmpty(), qPrintable(tone.error()));
        record("500000", 500);
        QCOMPARE(env->boxes.size(), 1);
        QCOMPARE(env->boxes[0].title, QStringLiteral("Error (samples/sec)"));
        QCOMPARE(env->boxes[0].buttons, ui::Buttons::OkOnly);
        QVERIFY(!env->boxes[0].text.isEmpty());
        // It recorded, at the rate the device kept.
        QCOMPARE(wavefixture::ReadFile(ModRecorder::TemporaryWavePath()).mid(24, 4),
                 wavefixture::Le32(11025));
    }

    void stopsByItselfBeforeTheWaveLimit() {
        TUNELARK_REQUIRE_SOUND_SERVER();
        qputenv("TUNELARK_WAVE_LIMIT_BYTES", "96000"); // a quarter second at 48000 Hz
        QString reason;
        ModRecorder::StoppedByItself = [&](const QString &why) {
            reason = why;
            ModRecorder::IsRecording = false;
        };
        record("48000", 10000);
        QVERIFY2(reason.contains("4 GB"), qPrintable(reason));
        QCOMPARE(wavefixture::ReadFile(ModRecorder::TemporaryWavePath()).size(), 44 + 96000);
    }
};

QTEST_MAIN(RecorderTest)
#include "tst_recorder.moc"
