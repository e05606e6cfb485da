// The MP3 made while a recording runs: a capture file that grows as the sound server appends to it,
// followed by the live encoder with the real encoder library, must end as the very file the conversion
// after Stop writes of the same sound; failures leave no MP3 behind; the check of a finished MP3 finds
// damaged and short files.

#include "player/recording/WAVToMP3.h"
#include "player/recording/encoder-library.h"
#include "player/recording/live-encoder.h"
#include "player/recording/mp3-check.h"
#include "tests/player/recording/wave-fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr int kHeaderBytes = 44;

} // namespace

class LiveEncoderTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_programFolder;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString libraryPath() const { return recording::EncoderLibraryPath(m_programFolder); }
    // Appends `pcm` to the capture file as the sound server does, `piece` bytes at a time with
    // `pauseMs` between pieces, on a thread of its own.
    static std::thread Append(const QString &capture, QByteArray pcm, int piece, int pauseMs) {
        return std::thread([capture, pcm, piece, pauseMs] {
            QFile file(capture);
            if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
                qFatal("cannot append to the capture file");
            for (qsizetype at = 0; at < pcm.size(); at += piece) {
                file.write(pcm.mid(at, piece));
                std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            }
        });
    }
    // Saves the capture as the recording device does: the header written over its space, the file
    // renamed. Returns the saved WAVE file.
    QString save(const QString &capture, const QByteArray &header) const {
        QFile file(capture);
        if (!file.open(QIODevice::ReadWrite) || file.write(header) != header.size())
            qFatal("cannot write the header");
        file.close();
        const QString wave = path(QStringLiteral("Recorded_101226120000.tmp"));
        if (!QFile::rename(capture, wave))
            qFatal("cannot save the capture");
        return wave;
    }
    QString startCapture() const {
        const QString capture = path(QStringLiteral("capture.wav"));
        if (!wavefixture::WriteFile(capture, QByteArray(kHeaderBytes, '\0')))
            qFatal("cannot create the capture file");
        return capture;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_programFolder = path(QStringLiteral("program folder"));
        QVERIFY(QDir().mkpath(m_programFolder));
        QVERIFY(QFile::copy(QStringLiteral(TUNELARK_ENCODER_LIBRARY), libraryPath()));
    }

    void sameBytesAsTheConversionAfterStop_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("piece"); // bytes the sound server appends at once
        QTest::addColumn<int>("pauseMs");
        QTest::newRow("48000 Hz in sound-server fragments") << 48000 << 3 * 48000 + 333 << 4 * 1200 << 2;
        QTest::newRow("44100 Hz in pieces that split frames") << 44100 << 2 * 44100 + 17 << 1001 << 1;
        QTest::newRow("22050 Hz (MPEG-2)") << 22050 << 2 * 22050 + 5 << 4096 << 1;
        QTest::newRow("11025 Hz (MPEG-2.5)") << 11025 << 2 * 11025 + 1 << 4096 << 1;
        QTest::newRow("less than one chunk") << 48000 << 100 << 64 << 0;
        QTest::newRow("exactly two chunks") << 48000 << 2 * 1152 << 4608 << 0;
        QTest::newRow("a capture that pauses") << 48000 << 2 * 48000 << 96000 << 300;
    }
    // The encoder reads the capture chunk by chunk as it grows, and at Stop the rest: the MP3 is the
    // one the conversion of the saved WAVE file writes, byte for byte, Info tag included.
    void sameBytesAsTheConversionAfterStop() {
        QFETCH(int, rate);
        QFETCH(int, frames);
        QFETCH(int, piece);
        QFETCH(int, pauseMs);
        const QByteArray wave = wavefixture::SineWave(rate, frames, 440);
        const QString capture = startCapture();
        const QString part = path(QStringLiteral("live.mp3.part"));
        recording::LiveEncoder live(libraryPath(), capture, kHeaderBytes, rate, part);
        Append(capture, wave.mid(kHeaderBytes), piece, pauseMs).join();
        const QString saved = save(capture, wave.left(kHeaderBytes));

        WAVToMP3 converter(libraryPath(), {});
        QCOMPARE(converter.CompleteLiveMP3(live, saved, path(QStringLiteral("live.mp3")), false), QString());
        QVERIFY(!QFile::exists(part));
        QCOMPARE(WAVToMP3(libraryPath(), {}).CreateWAVtoMP3(saved, path(QStringLiteral("after.mp3")), false),
                 QString());
        const QByteArray made = wavefixture::ReadFile(path(QStringLiteral("live.mp3")));
        QVERIFY(made.size() > 400);
        QVERIFY(made == wavefixture::ReadFile(path(QStringLiteral("after.mp3"))));
        QVERIFY(live.CpuSeconds() > 0);
    }

    // With removal asked for, the WAVE file goes once the MP3 has taken its name; an MP3 of that name
    // from before is replaced.
    void completedMp3TakesItsNameAndTheWaveGoes() {
        const QByteArray wave = wavefixture::SineWave(44100, 44100, 440);
        const QString capture = startCapture();
        const QString mp3 = path(QStringLiteral("Recorded_101226120000.mp3"));
        QVERIFY(wavefixture::WriteFile(mp3, "an older file"));
        recording::LiveEncoder live(libraryPath(), capture, kHeaderBytes, 44100, mp3 + ".part");
        Append(capture, wave.mid(kHeaderBytes), 8820, 0).join();
        const QString saved = save(capture, wave.left(kHeaderBytes));
        QStringList progress;
        WAVToMP3 converter(libraryPath(), {[&](int percent) { progress << QString::number(percent); }, {}});
        QCOMPARE(converter.CompleteLiveMP3(live, saved, mp3, true), QString());
        QCOMPARE(progress, QStringList({"90", "95", "98", "100"}));
        QVERIFY(!QFile::exists(saved));
        QCOMPARE(recording::CheckMp3(mp3, 44100, 44100), QString());
    }

    void failuresLeaveNoMp3_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no encoder library") << "library"
                                            << "File not found: ";
        QTest::newRow("capture file gone") << "capture"
                                           << "File not found";
        QTest::newRow("capture shorter than said") << "short"
                                                   << "Input past end of file";
    }
    // Whatever stops the live encoding, Finish says why and leaves no MP3 file; the recording itself
    // is not touched.
    void failuresLeaveNoMp3() {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        const QByteArray wave = wavefixture::SineWave(48000, 48000, 440);
        const QString capture = startCapture();
        if (failure == "library")
            QVERIFY(QFile::remove(libraryPath()));
        const QString part = path(QStringLiteral("live.mp3.part"));
        recording::LiveEncoder live(libraryPath(), failure == "capture" ? path("gone.wav") : capture,
                                    kHeaderBytes, 48000, part);
        Append(capture, wave.mid(kHeaderBytes), 9600, 0).join();
        const QString why = live.Finish(failure == "short" ? 48000 + 1152 : 48000);
        QVERIFY2(why.contains(reason), qPrintable(why));
        QVERIFY(!QFile::exists(part));
        QCOMPARE(QFileInfo(capture).size(), wave.size());
    }

    // A recording that ends without being saved (nothing recorded, the save failed) takes the MP3 made
    // so far with it.
    void abandonedEncodingRemovesItsFile() {
        const QString capture = startCapture();
        const QString part = path(QStringLiteral("live.mp3.part"));
        std::thread sound;
        {
            recording::LiveEncoder live(libraryPath(), capture, kHeaderBytes, 48000, part);
            sound = Append(capture, wavefixture::SineSamples(48000, 48000, 440), 9600, 20);
            QTRY_VERIFY(QFileInfo(part).size() > 0);
        }
        QVERIFY(!QFile::exists(part));
        sound.join();
    }

    void checkFindsWhatIsWrong_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<qint64>("frames"); // of the recording, against the file's 48000
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("found"); // empty: sound
        QTest::newRow("sound") << "" << qint64(48000) << 48000 << "";
        QTest::newRow("within a frame of the recording") << "" << qint64(48000 + 1152) << 48000 << "";
        QTest::newRow("more than a frame short")
            << "" << qint64(48000 + 1153) << 48000 << "holds 48000 samples";
        QTest::newRow("last frame cut") << "cut" << qint64(48000) << 48000 << "damaged at byte";
        QTest::newRow("a frame header broken") << "header" << qint64(48000) << 48000 << "damaged at byte";
        QTest::newRow("no Info tag") << "no tag" << qint64(48000) << 48000 << "does not start with";
        QTest::newRow("another rate") << "" << qint64(48000) << 44100 << "does not start with";
        QTest::newRow("empty file") << "empty" << qint64(48000) << 48000 << "empty";
    }
    void checkFindsWhatIsWrong() {
        QFETCH(QString, damage);
        QFETCH(qint64, frames);
        QFETCH(int, rate);
        QFETCH(QString, found);
        const QString wave = path(QStringLiteral("tone.wav"));
        const QString mp3 = path(QStringLiteral("tone.mp3"));
        QVERIFY(wavefixture::WriteFile(wave, wavefixture::SineWave(48000, 48000, 440)));
        QCOMPARE(WAVToMP3(libraryPath(), {}).CreateWAVtoMP3(wave, mp3, false), QString());
        QByteArray bytes = wavefixture::ReadFile(mp3);
        const int frameBytes = 144 * 160000 / 48000; // 480, no padding at 48000 Hz
        if (damage == "cut")
            bytes.chop(10);
        else if (damage == "header")
            bytes[3 * frameBytes] = 0;
        else if (damage == "no tag")
            bytes.remove(0, frameBytes);
        else if (damage == "empty")
            bytes.clear();
        QVERIFY(wavefixture::WriteFile(mp3, bytes));
        const QString result = recording::CheckMp3(mp3, frames, rate);
        if (found.isEmpty())
            QCOMPARE(result, QString());
        else
            QVERIFY2(result.contains(found), qPrintable(result));
    }
};

QTEST_GUILESS_MAIN(LiveEncoderTest)
#include "tst_live_encoder.moc"
