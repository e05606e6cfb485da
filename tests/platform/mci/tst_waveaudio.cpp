// The "waveaudio" device of the multimedia command layer: its refusals as MCI error codes, and real
// recordings of a tone played into the test PulseAudio daemon's null sink, read back from the saved
// WAVE file byte by byte.

#include "platform/mci/capture-file.h"
#include "platform/mci/mci-errors.h"
#include "platform/mci/mci.h"
#include "platform/mci/wave-format.h"
#include "tests/platform/mci/command-sequence.h"
#include "tests/platform/sink-recorder.h"
#include "tests/platform/tone-player.h"
#include "tests/player/recording/media-probe.h"
#include "tests/player/recording/wave-fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace platform::mci;

namespace {

const QString kOpen = QStringLiteral("open new Type waveaudio Alias recsound");

// The commands the player sends before "record", for 16-bit stereo at `rate`.
void OpenAndSet(int rate) {
    QCOMPARE(mciSendString("close all"), 0);
    for (const QString &command :
         {kOpen, QStringLiteral("set recsound time format ms"), QStringLiteral("set recsound format tag pcm"),
          QStringLiteral("set recsound channels 2"),
          QStringLiteral("set recsound samplespersec %1").arg(rate),
          QStringLiteral("set recsound bitspersample 16"), QStringLiteral("set recsound alignment  4")})
        QCOMPARE(mciSendString(command), 0);
}

QString Status(const QString &item) {
    QString answer;
    const int error = mciSendString(QStringLiteral("status recsound ") + item, &answer);
    return error == 0 ? answer : QStringLiteral("error %1").arg(error);
}

struct SavedWave {
    QByteArray header;
    QByteArray data;
    quint32 u32(int offset) const { return qFromLittleEndian<quint32>(header.constData() + offset); }
    quint16 u16(int offset) const { return qFromLittleEndian<quint16>(header.constData() + offset); }
};

SavedWave ReadSaved(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.left(44), bytes.mid(44)};
}

// The capture files left by a recording, kept at `folder`/kept-N.wav; their new paths.
QStringList KeepInterrupted(const QString &folder) {
    int next = 0;
    return KeepInterruptedCaptures(
        [&](const QDateTime &) { return folder + QStringLiteral("/kept-%1.wav").arg(++next); });
}

// A program that records until it is killed, as one that crashes while recording.
int RecordUntilKilled() {
    OpenAndSet(44100);
    if (mciSendString("record recsound") != 0)
        return 1;
    QTextStream(stdout) << "recording" << Qt::endl;
    return QCoreApplication::exec();
}

} // namespace

class WaveAudioTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;

    QString folder() const { return m_root.filePath("recordings folder"); }
    QStringList captureFiles() const {
        return QDir(m_root.filePath("cache/Tunelark")).entryList(QDir::Files);
    }
    // Plays a 1 kHz tone into the null sink while it lives.
    std::unique_ptr<TonePlayer> m_tone;
    void recordFor(int milliseconds) {
        QCOMPARE(mciSendString("record recsound"), 0);
        QCOMPARE(Status("mode"), QStringLiteral("recording"));
        QTest::qWait(milliseconds);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(folder()));
        qputenv("XDG_CACHE_HOME", m_root.filePath("cache").toLocal8Bit());
    }
    void cleanup() {
        m_tone.reset();
        QCOMPARE(mciSendString("close all"), 0);
        qunsetenv("TUNELARK_WAVE_LIMIT_BYTES");
        // No capture file outlives its device.
        QCOMPARE(captureFiles(), QStringList());
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("commands"); // all but the last must succeed
        QTest::addColumn<int>("error");
        QTest::newRow("open a file") << QStringList{"open /tmp/x.wav type waveaudio alias recsound"}
                                     << int(MCIERR_UNSUPPORTED_FUNCTION);
        QTest::newRow("set nothing") << QStringList{kOpen, "set recsound"} << int(MCIERR_MISSING_PARAMETER);
        QTest::newRow("set without value")
            << QStringList{kOpen, "set recsound channels"} << int(MCIERR_MISSING_PARAMETER);
        QTest::newRow("unknown item")
            << QStringList{kOpen, "set recsound volume 5"} << int(MCIERR_UNRECOGNIZED_KEYWORD);
        QTest::newRow("not a number")
            << QStringList{kOpen, "set recsound channels two"} << int(MCIERR_BAD_INTEGER);
        QTest::newRow("three channels")
            << QStringList{kOpen, "set recsound channels 3"} << int(MCIERR_OUTOFRANGE);
        QTest::newRow("12 bits") << QStringList{kOpen, "set recsound bitspersample 12"}
                                 << int(MCIERR_OUTOFRANGE);
        QTest::newRow("rate too high")
            << QStringList{kOpen, "set recsound samplespersec 500000"} << int(MCIERR_OUTOFRANGE);
        QTest::newRow("not pcm") << QStringList{kOpen, "set recsound format tag mp3"}
                                 << int(MCIERR_OUTOFRANGE);
        QTest::newRow("bad time format")
            << QStringList{kOpen, "set recsound time format frames"} << int(MCIERR_BAD_TIME_FORMAT);
        QTest::newRow("alignment not of the format")
            << QStringList{kOpen, "set recsound channels 2 bitspersample 16 alignment 3", "record recsound"}
            << int(MCIERR_WAVE_INPUTSUNSUITABLE);
        QTest::newRow("record from a place")
            << QStringList{kOpen, "record recsound from 0"} << int(MCIERR_UNRECOGNIZED_KEYWORD);
        QTest::newRow("status of nothing")
            << QStringList{kOpen, "status recsound"} << int(MCIERR_MISSING_PARAMETER);
        QTest::newRow("status of volume")
            << QStringList{kOpen, "status recsound volume"} << int(MCIERR_UNRECOGNIZED_KEYWORD);
        QTest::newRow("save without path")
            << QStringList{kOpen, "save recsound  "} << int(MCIERR_FILENAME_REQUIRED);
        QTest::newRow("save into a missing folder")
            << QStringList{kOpen, "save recsound /nonexistent folder/x.tmp"} << int(MCIERR_FILE_NOT_SAVED);
        QTest::newRow("info of nothing")
            << QStringList{kOpen, "info recsound"} << int(MCIERR_MISSING_PARAMETER);
        QTest::newRow("info of the product")
            << QStringList{kOpen, "info recsound product"} << int(MCIERR_UNRECOGNIZED_KEYWORD);
        QTest::newRow("play") << QStringList{kOpen, "play recsound"} << int(MCIERR_UNRECOGNIZED_COMMAND);
        QTest::newRow("second alias") << QStringList{kOpen, kOpen} << int(MCIERR_DUPLICATE_ALIAS);
    }
    void refusals() {
        QFETCH(QStringList, commands);
        QFETCH(int, error);
        CheckLastCommandFails(commands, error);
    }

    void statusAnswersTheFormat() {
        OpenAndSet(22050);
        const std::pair<const char *, const char *> expected[] = {{"channels", "2"},
                                                                  {"bitspersample", "16"},
                                                                  {"samplespersec", "22050"},
                                                                  {"bytespersec", "88200"},
                                                                  {"alignment", "4"},
                                                                  {"format tag", "pcm"},
                                                                  {"time format", "milliseconds"},
                                                                  {"mode", "stopped"},
                                                                  {"length", "0"},
                                                                  {"ready", "true"}};
        for (const auto &[item, answer] : expected)
            QCOMPARE(Status(item), QString::fromLatin1(answer));
        QCOMPARE(mciSendString("set recsound time format bytes"), 0);
        QCOMPARE(Status("time format"), QStringLiteral("bytes"));
        // With nothing recorded, a save writes a WAVE file without sound.
        const QString path = folder() + "/empty one.wav";
        QCOMPARE(mciSendString("save recsound " + path), 0);
        QCOMPARE(ReadSaved(path).header.size(), 44);
        QCOMPARE(ReadSaved(path).u32(40), 0u);
    }

    void noSoundServerIsAnError() {
        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + m_root.filePath("no-server").toLocal8Bit());
        OpenAndSet(44100);
        const int error = mciSendString("record recsound");
        if (server.isEmpty())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", server);
        QCOMPARE(error, int(MCIERR_HARDWARE));
        QCOMPARE(Status("mode"), QStringLiteral("stopped"));
    }

    void recordsWhatPlays_data() {
        QTest::addColumn<int>("rate");
        QTest::newRow("44100") << 44100;
        QTest::newRow("48000") << 48000;
    }
    void recordsWhatPlays() {
        QFETCH(int, rate);
        TUNELARK_REQUIRE_SOUND_SERVER();
        m_tone = std::make_unique<TonePlayer>();
        QVERIFY2(m_tone->error().isEmpty(), qPrintable(m_tone->error()));
        OpenAndSet(rate);
        recordFor(1000);
        QCOMPARE(mciSendString("set recsound time format bytes"), 0);
        const qint64 early = Status("length").toLongLong();
        // The capture file, which an encoder may follow as it grows: the header's space, then the PCM.
        QString capture;
        QCOMPARE(mciSendString("info recsound file", &capture), 0);
        QCOMPARE(QFileInfo(capture).dir(), QDir(m_root.filePath("cache/Tunelark")));
        QVERIFY(QFileInfo(capture).size() >= 44 + early);
        QTest::qWait(1000);
        QVERIFY(Status("length").toLongLong() > early);
        QCOMPARE(mciSendString("stop recsound"), 0);
        QCOMPARE(Status("mode"), QStringLiteral("stopped"));
        const qint64 length = Status("length").toLongLong();

        // The rest of the line is the path, blanks and all.
        const QString path = folder() + QStringLiteral("/Recorded %1.tmp").arg(rate);
        QCOMPARE(mciSendString("save recsound " + path), 0);
        QString file;
        QCOMPARE(mciSendString("info recsound file", &file), 0);
        QCOMPARE(file, path);
        const SavedWave wave = ReadSaved(path);
        QCOMPARE(wave.header.left(4), QByteArray("RIFF"));
        QCOMPARE(wave.u32(4), quint32(36 + wave.data.size()));
        QCOMPARE(wave.header.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(wave.u32(16), 16u);
        QCOMPARE(wave.u16(20), quint16(1));
        QCOMPARE(wave.u16(22), quint16(2));
        QCOMPARE(wave.u32(24), quint32(rate));
        QCOMPARE(wave.u32(28), quint32(rate * 4));
        QCOMPARE(wave.u16(32), quint16(4));
        QCOMPARE(wave.u16(34), quint16(16));
        QCOMPARE(wave.header.mid(36, 4), QByteArray("data"));
        QCOMPARE(qint64(wave.u32(40)), length);
        QCOMPARE(wave.data.size(), length);
        // About two seconds, give or take the sound server's latency and the event loop.
        QVERIFY2(length > rate * 4 * 1.5 && length < rate * 4 * 3, qPrintable(QString::number(length)));
        const double hertz = mediaprobe::ToneFrequency(mediaprobe::LeftChannel(wave.data), rate);
        QVERIFY2(std::abs(hertz - 1000) < 10, qPrintable(QString::number(hertz)));
    }

    void stopsByItselfAtTheWaveLimit() {
        TUNELARK_REQUIRE_SOUND_SERVER();
        qputenv("TUNELARK_WAVE_LIMIT_BYTES", "88201"); // cut to whole frames: 22050 of 4 bytes
        OpenAndSet(44100);
        QCOMPARE(mciSendString("set recsound time format bytes"), 0);
        QCOMPARE(mciSendString("record recsound"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(Status("mode"), QStringLiteral("stopped"), 5000);
        QCOMPARE(Status("length"), QStringLiteral("88200"));
        QCOMPARE(mciSendString("record recsound"), int(MCIERR_OUTOFRANGE));
        QCOMPARE(mciSendString("stop recsound"), 0);
        const QString path = folder() + "/limit.wav";
        QCOMPARE(mciSendString("save recsound " + path), 0);
        QCOMPARE(ReadSaved(path).data.size(), 88200);
    }

    void fullDiskKeepsWhatWasRecorded() {
        TUNELARK_REQUIRE_SOUND_SERVER();
        OpenAndSet(44100);
        QCOMPARE(mciSendString("set recsound time format bytes"), 0);
        // The capture file may grow to 64 KiB of PCM; past that every write fails as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 44 + 65536 + 1;
        setrlimit(RLIMIT_FSIZE, &small);
        QCOMPARE(mciSendString("record recsound"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(Status("mode"), QStringLiteral("stopped"), 5000);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(mciSendString("stop recsound"), int(MCIERR_FILE_WRITE));
        QCOMPARE(mciSendString("stop recsound"), 0); // reported once
        const qint64 length = Status("length").toLongLong();
        QVERIFY(length > 0 && length <= 65536 && length % 4 == 0);
        const QString path = folder() + "/full.wav";
        QCOMPARE(mciSendString("save recsound " + path), 0);
        QString file;
        QCOMPARE(mciSendString("info recsound file", &file), 0);
        QCOMPARE(file, path);
        const SavedWave wave = ReadSaved(path);
        QCOMPARE(qint64(wave.u32(40)), length);
        QCOMPARE(wave.data.size(), length);
    }

    // Capture files found on disk with no recording holding them: left by a program that ended
    // before it saved.
    void interruptedCapturesAreKept_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("pcmBytes");
        QTest::addColumn<int>("keptBytes"); // -1: the file stays as it is
        const QByteArray stereo = CanonicalWaveHeader({2, 16, 44100}, 0);
        QTest::newRow("part of a frame at the end") << stereo << 10002 << 10000;
        QTest::newRow("no sound") << stereo << 0 << 0;
        QTest::newRow("no header yet") << QByteArray(44, '\0') << 1000 << -1;
        QByteArray threeChannels = stereo;
        threeChannels[22] = 3;
        QTest::newRow("a format not recorded") << threeChannels << 1000 << -1;
        QTest::newRow("too short for a header") << stereo.left(20) << 0 << -1;
    }
    void interruptedCapturesAreKept() {
        QFETCH(QByteArray, header);
        QFETCH(int, pcmBytes);
        QFETCH(int, keptBytes);
        QVERIFY(QDir().mkpath(m_root.filePath("cache/Tunelark")));
        QByteArray pcm(pcmBytes, '\0');
        for (int i = 0; i < pcm.size(); ++i)
            pcm[i] = char(i * 7);
        const QString capture = m_root.filePath("cache/Tunelark/recording-aBc123.pcm");
        QFile file(capture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header + pcm);
        file.close();

        const QStringList kept = KeepInterrupted(folder());
        if (keptBytes < 0) {
            QCOMPARE(kept, QStringList());
            QCOMPARE(ReadSaved(capture).header + ReadSaved(capture).data, header + pcm);
            QVERIFY(QFile::remove(capture));
            return;
        }
        QCOMPARE(captureFiles(), QStringList());
        QCOMPARE(kept.size(), keptBytes > 0 ? 1 : 0);
        if (keptBytes > 0) {
            const SavedWave wave = ReadSaved(kept[0]);
            QCOMPARE(wave.header, CanonicalWaveHeader({2, 16, 44100}, quint32(keptBytes)));
            QCOMPARE(wave.data, pcm.left(keptBytes));
            QVERIFY(QFile::remove(kept[0]));
        }
    }

    void aRecordingCutShortIsKept() {
        TUNELARK_REQUIRE_SOUND_SERVER();
        m_tone = std::make_unique<TonePlayer>(1000);
        QVERIFY2(m_tone->error().isEmpty(), qPrintable(m_tone->error()));
        QProcess recorder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TUNELARK_TEST_RECORD_UNTIL_KILLED", "1");
        recorder.setProcessEnvironment(environment);
        recorder.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(recorder.waitForReadyRead(10000));
        QCOMPARE(recorder.readLine().trimmed(), QByteArray("recording"));
        QTest::qWait(1500);
        // Held by its recording: not taken.
        QCOMPARE(KeepInterrupted(folder()), QStringList());
        QCOMPARE(captureFiles().size(), 1);
        recorder.kill();
        QVERIFY(recorder.waitForFinished(5000));

        const QStringList kept = KeepInterrupted(folder());
        QCOMPARE(kept.size(), 1);
        QCOMPARE(captureFiles(), QStringList());
        const SavedWave wave = ReadSaved(kept[0]);
        QCOMPARE(wave.header, CanonicalWaveHeader({2, 16, 44100}, quint32(wave.data.size())));
        QVERIFY2(wave.data.size() > 44100 * 4 / 2, qPrintable(QString::number(wave.data.size())));
        const double hertz = mediaprobe::ToneFrequency(mediaprobe::LeftChannel(wave.data), 44100);
        QVERIFY2(std::abs(hertz - 1000) < 10, qPrintable(QString::number(hertz)));
        QVERIFY(QFile::remove(kept[0]));
    }

    void savesAgainAfterAFailedSave() {
        TUNELARK_REQUIRE_SOUND_SERVER();
        OpenAndSet(44100);
        recordFor(300);
        // A busy machine may take longer than that to deliver the first sound.
        QTRY_VERIFY_WITH_TIMEOUT(Status("length").toLongLong() > 0, 5000);
        QCOMPARE(mciSendString("save recsound " + folder() + "/early.wav"),
                 int(MCIERR_NONAPPLICABLE_FUNCTION));
        QCOMPARE(mciSendString("stop recsound"), 0);
        QCOMPARE(mciSendString("save recsound /nonexistent/x.wav"), int(MCIERR_FILE_NOT_SAVED));
        const QString first = folder() + "/first.wav", second = folder() + "/second.wav";
        QCOMPARE(mciSendString("save recsound \"" + first + "\""), 0);
        QCOMPARE(mciSendString("save recsound " + second), 0);
        QVERIFY(ReadSaved(first).data.size() > 0);
        QCOMPARE(ReadSaved(second).data, ReadSaved(first).data);
        // Recording again starts a new recording; the saved files stay as they are.
        const QByteArray saved = ReadSaved(first).data;
        recordFor(200);
        QCOMPARE(mciSendString("stop recsound"), 0);
        QCOMPARE(ReadSaved(first).data, saved);
    }
};

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("TUNELARK_TEST_RECORD_UNTIL_KILLED"))
        return RecordUntilKilled();
    WaveAudioTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_waveaudio.moc"
