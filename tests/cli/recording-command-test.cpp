// Runs "tunelark-cli wav info" and "tunelark-cli encode" as users do, in a folder whose path has blanks,
// with the encoder library the tool finds beside itself in the staged program folder.

#include "tests/player/recording/wave-fixture.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/cli/cli-run.h"

namespace {} // namespace

class RecordingCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void describesWave();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void encodesWithTheLibraryBesideTheTool();
    void encodeFailures_data();
    void encodeFailures();

private:
    CliRun run(const QStringList &arguments) const;
    QString path(const QString &name) const { return m_root + u'/' + name; }

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_root;
};

void RecordingCommandTest::init() {
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_root = m_temp->filePath(QStringLiteral("my recordings"));
    QVERIFY(QDir().mkpath(m_root));
}

CliRun RecordingCommandTest::run(const QStringList &arguments) const {
    return RunCli(m_root, m_temp->filePath(QStringLiteral("config")), arguments);
}

void RecordingCommandTest::describesWave() {
    QVERIFY(wavefixture::WriteFile(path("a b.wav"), wavefixture::SineWave(22050, 33075)));
    const CliRun result = run({"wav", "info", "a b.wav"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("format tag: 1\nchannels: 2\nbits per sample: 16\nsample rate: 22050 Hz\n"
                                    "frames: 33075\nduration: 1.500 s\n"));
    QCOMPARE(result.err, QByteArray());
}

void RecordingCommandTest::refusesBadFiles_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("text") << QByteArray("hello\n") << QByteArray("tunelark-cli: Not a Wave file.\n");
    QTest::newRow("mono") << wavefixture::SineWave(44100, 100, 1000, 1)
                          << QByteArray("tunelark-cli: Only stereo 16 bit wave files supported.\n");
    QTest::newRow("missing") << QByteArray() << QByteArray("tunelark-cli: Unable to open file.\n");
}

// The reader's error text, one line, exit status 1, for "wav info" and "encode" alike; no MP3 appears.
void RecordingCommandTest::refusesBadFiles() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, error);
    if (!content.isEmpty())
        QVERIFY(wavefixture::WriteFile(path("in.wav"), content));
    const CliRun info = run({"wav", "info", "in.wav"});
    QCOMPARE(info.exitCode, 1);
    QCOMPARE(info.out, QByteArray());
    QCOMPARE(info.err, error);
    const CliRun encode = run({"encode", "in.wav", "out.mp3"});
    QCOMPARE(encode.exitCode, 1);
    QVERIFY2(encode.err.endsWith(error.mid(error.indexOf(' '))), encode.err.constData());
    QVERIFY(!QFile::exists(path("out.mp3")));
}

void RecordingCommandTest::encodesWithTheLibraryBesideTheTool() {
    const QByteArray wave = wavefixture::SineWave(48000, 48000 + 11);
    QVERIFY(wavefixture::WriteFile(path("in put.wav"), wave));
    const CliRun result = run({"encode", "in put.wav", "out put.mp3"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.startsWith("\rSaving MP3 File..........2") &&
                 result.err.endsWith("\rSaving MP3 File..........95%\rSaving MP3 File..........98%"
                                     "\rSaving MP3 File..........100%\n"),
             result.err.constData());
    QFile mp3(path("out put.mp3"));
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    QVERIFY(mp3.size() > 15000);
    QCOMPARE(uchar(mp3.read(1)[0]), uchar(0xFF));
    QFile input(path("in put.wav"));
    QVERIFY(input.open(QIODevice::ReadOnly));
    QCOMPARE(input.readAll(), wave);
}

void RecordingCommandTest::encodeFailures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("error"); // %1 is the recordings folder
    QTest::newRow("no encoder library there")
        << QStringList{"encode", "in.wav", "out.mp3", "--encoder", "lib/Tunelark.dll"} << 1
        << QByteArray("tunelark-cli: File not found: %1/lib/Tunelark.dll; Lame engine not initialised\n");
    QTest::newRow("MP3 is the WAVE") << QStringList{"encode", "in.wav", "./in.wav"} << 1
                                     << QByteArray("tunelark-cli: the MP3 file must not be the WAVE file\n");
    QTest::newRow("one file only") << QStringList{"encode", "in.wav"} << 2
                                   << QByteArray(
                                          "tunelark-cli: Expected 2 argument(s), got 1. Usage: tunelark-cli "
                                          "encode WAV MP3 [--encoder PATH]\n");
}

void RecordingCommandTest::encodeFailures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, error);
    const QByteArray wave = wavefixture::SineWave(44100, 4410);
    QVERIFY(wavefixture::WriteFile(path("in.wav"), wave));
    const CliRun result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err, error.replace("%1", m_root.toUtf8()));
    QCOMPARE(QDir(m_root).entryList(QDir::Files), QStringList{"in.wav"});
}

QTEST_GUILESS_MAIN(RecordingCommandTest)
#include "recording-command-test.moc"
