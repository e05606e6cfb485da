// WAVE to MP3 through the real encoder library, bound at run time from a program folder of the test's
// own, as the player binds it. ffprobe and ffmpeg judge the results.

#include "player/recording/WAVToMP3.h"
#include "player/recording/cLameEncoder.h"
#include "player/recording/encoder-library.h"
#include "tests/player/recording/media-probe.h"
#include "tests/player/recording/wave-fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// What a conversion showed: the progress percentages and the message boxes.
struct ShownFeedback {
    QList<int> progress;
    QStringList messages;

    recording::ConversionFeedback hooks() {
        return {[this](int percent) { progress << percent; },
                [this](const QString &text) { messages << text; }};
    }
};

// The quality indicator LAME writes into the Info tag: 100 − 10 × VBR quality (4) − algorithm quality.
int TagQuality(const QByteArray &mp3) {
    const qsizetype info = mp3.left(64).indexOf("Info");
    if (info < 0)
        return -1;
    // "Info", flags, frames, bytes, 100-byte table, then the indicator.
    return qFromBigEndian<qint32>(mp3.constData() + info + 16 + 100);
}

} // namespace

class Mp3ConversionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void convertsEveryRate_data();
    void convertsEveryRate();
    void reportsProgress_data();
    void reportsProgress();
    void cancelDeletesPartialMp3();
    void presetChoosesQuality_data();
    void presetChoosesQuality();
    void libraryFailuresKeepWave_data();
    void libraryFailuresKeepWave();
    void conversionErrorsKeepWave_data();
    void conversionErrorsKeepWave();
    void fullDiskKeepsWave();
    void replacesExistingMp3();

private:
    QString folderPath(const QString &name) const { return m_programFolder + u'/' + name; }
    QString libraryPath() const { return recording::EncoderLibraryPath(m_programFolder); }
    QString writeWave(const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_programFolder;
    QString m_wave;
    QString m_mp3;
};

void Mp3ConversionTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_programFolder = m_dir->filePath(QStringLiteral("program folder"));
    QVERIFY(QDir().mkpath(m_programFolder));
    QVERIFY(QFile::copy(QStringLiteral(TUNELARK_ENCODER_LIBRARY), libraryPath()));
    m_wave = folderPath(QStringLiteral("Recorded_071226184931.tmp"));
    m_mp3 = folderPath(QStringLiteral("Recorded_071226184931.mp3"));
}

QString Mp3ConversionTest::writeWave(const QByteArray &bytes) const {
    if (!wavefixture::WriteFile(m_wave, bytes))
        qFatal("cannot write the WAVE fixture");
    return m_wave;
}

void Mp3ConversionTest::convertsEveryRate_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bitRate");
    // LAME writes at most 64 kbit/s at the MPEG-2.5 rates.
    for (const int rate : {11025, 12000})
        QTest::newRow(qPrintable(QString::number(rate))) << rate << 64000;
    for (const int rate : {16000, 22050, 24000, 32000, 44100, 48000})
        QTest::newRow(qPrintable(QString::number(rate))) << rate << 160000;
}

// Two seconds and a bit (never a whole number of chunks) of a 1 kHz tone: the MP3 keeps the rate, the
// bit rate, the tone and every sample, and the WAVE file is deleted only now that the MP3 is complete.
void Mp3ConversionTest::convertsEveryRate() {
    QFETCH(int, rate);
    QFETCH(int, bitRate);
    const qint64 frames = 2 * rate + 333;
    writeWave(wavefixture::SineWave(rate, frames));
    ShownFeedback shown;
    WAVToMP3 converter(libraryPath(), shown.hooks());
    QCOMPARE(converter.CreateWAVtoMP3(m_wave, m_mp3, true), QString());
    QCOMPARE(shown.messages, QStringList());
    QVERIFY(!QFile::exists(m_wave));

    const auto facts = mediaprobe::Probe(m_mp3);
    QVERIFY2(facts, "ffprobe (package ffmpeg) is needed and must read the file");
    QCOMPARE(facts->sampleRate, rate);
    QCOMPARE(facts->bitRate, bitRate);
    // ffprobe counts whole frames and reports the encoder delay from the LAME tag as the start time.
    QVERIFY2(facts->startTime > 0, "no encoder delay: the Info/LAME tag was not read");
    const double waveSeconds = double(frames) / rate;
    QVERIFY2(qAbs(facts->duration - facts->startTime - waveSeconds) < 0.1,
             qPrintable(QStringLiteral("%1 - %2 s against %3 s")
                            .arg(facts->duration)
                            .arg(facts->startTime)
                            .arg(waveSeconds)));

    const auto decoded = mediaprobe::DecodeLeft(m_mp3);
    QVERIFY(decoded);
    QCOMPARE(decoded->size(), frames);
    const double frequency = mediaprobe::ToneFrequency(*decoded, rate);
    QVERIFY2(qAbs(frequency - 1000) < 10, qPrintable(QString::number(frequency)));
}

void Mp3ConversionTest::reportsProgress_data() {
    QTest::addColumn<int>("frames");
    QTest::addColumn<QList<int>>("percentages");
    QTest::addColumn<QList<qint64>>("samplesDone");
    // Chunks of 1152 frames at 44100 Hz. 22.5 and 67.5 round to the even neighbours.
    QTest::newRow("three chunks and a part")
        << 3584 << QList<int>{42, 65, 88, 90, 95, 98, 100} << QList<qint64>{2304, 4608, 6912, 7168, 7168};
    QTest::newRow("two whole chunks")
        << 2304 << QList<int>{55, 90, 95, 98, 100} << QList<qint64>{2304, 4608, 4608};
    QTest::newRow("less than a chunk") << 100 << QList<int>{90, 95, 98, 100} << QList<qint64>{200, 200};
}

void Mp3ConversionTest::reportsProgress() {
    QFETCH(int, frames);
    QFETCH(QList<int>, percentages);
    QFETCH(QList<qint64>, samplesDone);
    writeWave(wavefixture::SineWave(44100, frames));
    ShownFeedback shown;
    cLameEncoder encoder(libraryPath(), shown.hooks());
    QList<qint64> done;
    connect(&encoder, &cLameEncoder::Progress, this, [&](qint64 samples, qint64 total, bool &) {
        QCOMPARE(total, qint64{frames} * 2);
        done << samples;
    });
    encoder.setWavFile(m_wave);
    encoder.setMP3File(m_mp3);
    QCOMPARE(encoder.Encode(), QString());
    QCOMPARE(shown.progress, percentages);
    QCOMPARE(done, samplesDone);
    QVERIFY(QFile::exists(m_wave));
}

void Mp3ConversionTest::cancelDeletesPartialMp3() {
    writeWave(wavefixture::SineWave(44100, 44100));
    ShownFeedback shown;
    cLameEncoder encoder(libraryPath(), shown.hooks());
    connect(&encoder, &cLameEncoder::Progress, this,
            [](qint64 samples, qint64, bool &cancel) { cancel = samples >= 2 * 2304; });
    encoder.setWavFile(m_wave);
    encoder.setMP3File(m_mp3);
    QCOMPARE(encoder.Encode(), QString());
    QCOMPARE(shown.progress, (QList<int>{22, 24, 95, 98, 100}));
    QVERIFY(!QFile::exists(m_mp3));
    QVERIFY(QFile::exists(m_wave));
}

void Mp3ConversionTest::presetChoosesQuality_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("tagQuality");
    QTest::newRow("low quality: LAME -q 9") << int(LQP_LOW_QUALITY) << 51;
    QTest::newRow("fast standard, the player's: -q 5") << int(LQP_FAST_STANDARD) << 55;
    QTest::newRow("very high quality: -q 0") << int(LQP_VERYHIGH_QUALITY) << 60;
}

void Mp3ConversionTest::presetChoosesQuality() {
    QFETCH(int, preset);
    QFETCH(int, tagQuality);
    writeWave(wavefixture::SineWave(44100, 4410));
    cLameEncoder encoder(libraryPath(), {});
    encoder.setWavFile(m_wave);
    encoder.setMP3File(m_mp3);
    encoder.setEncodingPreset(preset);
    QCOMPARE(encoder.Encode(), QString());
    QCOMPARE(TagQuality(wavefixture::ReadFile(m_mp3)), tagQuality);
}

void Mp3ConversionTest::libraryFailuresKeepWave_data() {
    QTest::addColumn<QByteArray>("library"); // "" none, else the file's content
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("firstMessage"); // %1 is the library's path
    QTest::newRow("missing") << QByteArray() << 44100 << QStringLiteral("File not found: %1");
    QTest::newRow("a text file") << QByteArray("not a library\n") << 44100
                                 << QStringLiteral("Error in loading DLL: %1");
    QTest::newRow("without beEncodeChunk")
        << wavefixture::ReadFile(QStringLiteral(TUNELARK_INCOMPLETE_ENCODER)) << 44100
        << QStringLiteral("Can't find DLL entry point beEncodeChunk in %1");
    QTest::newRow("refusing the rate") << wavefixture::ReadFile(QStringLiteral(TUNELARK_ENCODER_LIBRARY))
                                       << 96000 << QStringLiteral("Invalid Format Parameters");
}

// Even when told to remove it, a conversion that could not start keeps the recording.
void Mp3ConversionTest::libraryFailuresKeepWave() {
    QFETCH(QByteArray, library);
    QFETCH(int, rate);
    QFETCH(QString, firstMessage);
    QFile::remove(libraryPath());
    if (!library.isEmpty())
        QVERIFY(wavefixture::WriteFile(libraryPath(), library));
    writeWave(wavefixture::SineWave(rate, rate));
    ShownFeedback shown;
    WAVToMP3 converter(libraryPath(), shown.hooks());
    QCOMPARE(converter.CreateWAVtoMP3(m_wave, m_mp3, true), QStringLiteral("lameConvert"));
    QCOMPARE(shown.messages, (QStringList{QString(firstMessage).replace(QStringLiteral("%1"), libraryPath()),
                                          QStringLiteral("Lame engine not initialised")}));
    QCOMPARE(shown.progress, QList<int>());
    QVERIFY(QFile::exists(m_wave));
    QVERIFY(!QFile::exists(m_mp3));
}

void Mp3ConversionTest::conversionErrorsKeepWave_data() {
    QTest::addColumn<QByteArray>("wave"); // empty: no file
    QTest::addColumn<QString>("result");
    QTest::newRow("mono") << wavefixture::SineWave(44100, 4410, 1000, 1)
                          << QStringLiteral("Only stereo 16 bit wave files supported.");
    QTest::newRow("a text file") << QByteArray("text\n") << QStringLiteral("Not a Wave file.");
    QTest::newRow("no file") << QByteArray() << QStringLiteral("No Wave File Open");
}

void Mp3ConversionTest::conversionErrorsKeepWave() {
    QFETCH(QByteArray, wave);
    QFETCH(QString, result);
    if (!wave.isEmpty())
        writeWave(wave);
    WAVToMP3 converter(libraryPath(), {});
    QCOMPARE(converter.CreateWAVtoMP3(m_wave, m_mp3, true), result);
    QCOMPARE(QFile::exists(m_wave), !wave.isEmpty());
    QVERIFY(!QFile::exists(m_mp3));
}

// The kernel refuses to let files grow past a limit, as a full disk would.
void Mp3ConversionTest::fullDiskKeepsWave() {
    writeWave(wavefixture::SineWave(44100, 10 * 44100));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    WAVToMP3 converter(libraryPath(), {});
    const QString result = converter.CreateWAVtoMP3(m_wave, m_mp3, true);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(result, QStringLiteral("Failed to write buffer to file"));
    QVERIFY(QFile::exists(m_wave));
    QVERIFY(!QFile::exists(m_mp3));
}

void Mp3ConversionTest::replacesExistingMp3() {
    writeWave(wavefixture::SineWave(44100, 4410));
    QVERIFY(wavefixture::WriteFile(m_mp3, QByteArray(100000, 'x')));
    WAVToMP3 converter(libraryPath(), {});
    QCOMPARE(converter.CreateWAVtoMP3(m_wave, m_mp3, false), QString());
    const QByteArray mp3 = wavefixture::ReadFile(m_mp3);
    QVERIFY(mp3.size() < 10000);
    QCOMPARE(uchar(mp3[0]), uchar(0xFF));
    QVERIFY(QFile::exists(m_wave));
}

QTEST_GUILESS_MAIN(Mp3ConversionTest)
#include "tst_mp3_conversion.moc"
