// cWavReader on WAVE files built byte by byte: well-formed ones, the odd layouts real files have, and
// malformed or truncated ones, each of which must end in the reader's own error and a closed reader.

#include "common/runtime-error.h"
#include "player/recording/cWavReader.h"
#include "tests/player/recording/wave-fixture.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace wavefixture;

namespace {

const QByteArray kStereo16 = Format(2, 44100, 16);

// A data payload whose bytes run through a sequence, so a misplaced read shows.
QByteArray CountingData(int bytes) {
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = static_cast<char>(i * 7 + 1);
    return data;
}

// The error `action` raised, or number 0 when it raised none.
common::RuntimeError ErrorOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const common::RuntimeError &error) {
        return error;
    }
    return common::RuntimeError(0, QString());
}

} // namespace

class WavReaderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void opensOddLayouts_data();
    void opensOddLayouts();
    void refusesMalformedFiles_data();
    void refusesMalformedFiles();
    void readsInWholeBuffers_data();
    void readsInWholeBuffers();
    void seeksWithinTheData();
    void guardsBufferSizeAndClosedState();

private:
    QString write(const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void WavReaderTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString WavReaderTest::write(const QByteArray &bytes) const {
    const QString path = m_dir->filePath(QStringLiteral("recording with blanks.tmp"));
    if (!WriteFile(path, bytes))
        qFatal("cannot write the fixture");
    return path;
}

void WavReaderTest::opensOddLayouts_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("data");
    const QByteArray data = CountingData(4000);
    const QByteArray fmt = Chunk("fmt", kStereo16);
    QTest::newRow("canonical") << Riff(fmt + Chunk("data", data)) << data;
    QTest::newRow("format chunk of 60 bytes, past the 50-byte buffer")
        << Riff(Chunk("fmt", kStereo16 + Le16(42) + QByteArray(42, 'x')) + Chunk("data", data)) << data;
    QTest::newRow("extensible format tag, 18-byte format")
        << Riff(Chunk("fmt", Format(2, 44100, 16, 0xFFFE) + Le16(0)) + Chunk("data", data)) << data;
    QTest::newRow("odd junk chunk with pad byte before the data")
        << Riff(fmt + Chunk("JUNK", "abc") + Chunk("data", data)) << data;
    QTest::newRow("LIST and fact chunks around the format")
        << Riff(Chunk("LIST", "INFOISFT\x04\0\0\0test") + fmt + Chunk("fact", Le32(1000)) +
                Chunk("data", data))
        << data;
    QTest::newRow("odd data chunk, last in the file without pad byte")
        << Riff(fmt + Chunk("data", data + 'z', std::nullopt, false)) << data;
    QTest::newRow("empty data chunk") << Riff(fmt + Chunk("data", QByteArray())) << QByteArray();
    QTest::newRow("bytes after the RIFF chunk") << Riff(fmt + Chunk("data", data)) + "trailing" << data;
}

// Opens, then reads everything back in small buffers: exactly the data chunk's whole frames come out.
void WavReaderTest::opensOddLayouts() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, data);
    cWavReader reader;
    reader.setReadBufferSize(300);
    const QString path = write(file);
    reader.setFilename(path);
    QCOMPARE(reader.Filename(), path);
    QCOMPARE(reader.Format().samplesPerSec, 44100u);
    QCOMPARE(reader.AudioLength(), data.size() / 4);
    QByteArray read;
    bool more = true;
    while (more) {
        more = reader.Read();
        read += QByteArray(reinterpret_cast<const char *>(reader.ReadBufferPtr()), reader.ReadSize() * 4);
    }
    QCOMPARE(read, data);
}

void WavReaderTest::refusesMalformedFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    const QByteArray fmt = Chunk("fmt", kStereo16);
    const QByteArray data = Chunk("data", CountingData(400));
    const QString notWave = QStringLiteral("Not a Wave file.");
    const QString unsupported = QStringLiteral("Only stereo 16 bit wave files supported.");
    const QString noData = QStringLiteral("No Wave File Open");
    QTest::newRow("text file") << QByteArray("This is a text file, not a recording.\n") << 29673 << notWave;
    QTest::newRow("empty file") << QByteArray() << 29673 << notWave;
    QTest::newRow("cut inside the RIFF header") << QByteArray("RIFF\x10\0", 6) << 29673 << notWave;
    QTest::newRow("RIFF of another form") << Riff(fmt + data, std::nullopt, "AVI ") << 29673 << notWave;
    QTest::newRow("truncated: sizes claim more than the file holds")
        << Riff(fmt + Chunk("data", CountingData(400), 4000), 4 + 24 + 8 + 4000) << 29673 << notWave;
    QTest::newRow("RIFF size near 4 GiB") << Riff(fmt + data, 0xFFFFFFF0u) << 29673 << notWave;
    QTest::newRow("no format chunk") << Riff(data) << 29674
                                     << QStringLiteral("Unable to retrieve format chunk");
    QTest::newRow("format chunk larger than the RIFF") << Riff(Chunk("fmt", kStereo16, 4000) + data) << 29674
                                                       << QStringLiteral("Unable to retrieve format chunk");
    QTest::newRow("mono") << Riff(Chunk("fmt", Format(1, 44100, 16)) + data) << 29671 << unsupported;
    QTest::newRow("8-bit stereo") << Riff(Chunk("fmt", Format(2, 44100, 8)) + data) << 29671 << unsupported;
    QTest::newRow("24-bit stereo") << Riff(Chunk("fmt", Format(2, 44100, 24)) + data) << 29671 << unsupported;
    QTest::newRow("format chunk of 4 bytes")
        << Riff(Chunk("fmt", Le16(1) + Le16(2)) + data) << 29671 << unsupported;
    QTest::newRow("no data chunk") << Riff(fmt + Chunk("JUNK", "abcd")) << 29676 << noData;
    QTest::newRow("data chunk larger than the RIFF (file longer)")
        << Riff(fmt + Chunk("data", CountingData(400), 800)) + CountingData(400) << 29676 << noData;
    QTest::newRow("junk chunk claiming 4 GiB before the data")
        << Riff(fmt + Chunk("JUNK", "abcd", 0xFFFFFFF0u) + data) << 29676 << noData;
    QTest::newRow("data chunk before the format chunk") << Riff(data + fmt) << 29676 << noData;
}

void WavReaderTest::refusesMalformedFiles() {
    QFETCH(QByteArray, file);
    QFETCH(int, number);
    QFETCH(QString, description);
    cWavReader reader;
    const QString path = write(file);
    const common::RuntimeError error = ErrorOf([&] { reader.setFilename(path); });
    QCOMPARE(error.number(), number);
    QCOMPARE(error.description(), description);
    QCOMPARE(error.source(), QCoreApplication::applicationName() + QStringLiteral(".cWavePlayer"));
    // Back in the closed state.
    QCOMPARE(reader.Filename(), QString());
    QCOMPARE(reader.ReadBufferPtr(), nullptr);
    QCOMPARE(ErrorOf([&] { reader.Read(); }).number(), 29676);
}

void WavReaderTest::readsInWholeBuffers_data() {
    QTest::addColumn<int>("bufferFrames");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<QList<bool>>("results");
    QTest::addColumn<QList<int>>("readSizes");
    QTest::newRow("10000 bytes in 1152 frames")
        << 1152 << 10000 << QList<bool>{true, true, false, false} << QList<int>{1152, 1152, 196, 0};
    QTest::newRow("exactly one buffer") << 1152 << 4608 << QList<bool>{false, false} << QList<int>{1152, 0};
    QTest::newRow("a trailing half frame is left out")
        << 2 << 10 << QList<bool>{true, false} << QList<int>{2, 0};
    QTest::newRow("empty data") << 1152 << 0 << QList<bool>{false} << QList<int>{0};
}

// The last portion comes with false and its size in ReadSize; reading on gives false and ReadSize 0.
void WavReaderTest::readsInWholeBuffers() {
    QFETCH(int, bufferFrames);
    QFETCH(int, dataBytes);
    QFETCH(QList<bool>, results);
    QFETCH(QList<int>, readSizes);
    const QByteArray data = CountingData(dataBytes);
    cWavReader reader;
    reader.setReadBufferSize(bufferFrames);
    reader.setFilename(write(Riff(Chunk("fmt", kStereo16) + Chunk("data", data))));
    qint64 position = 0;
    for (int i = 0; i < results.size(); ++i) {
        QCOMPARE(reader.BufferStartPosition(), position);
        QCOMPARE(reader.Read(), results[i]);
        QCOMPARE(reader.ReadSize(), readSizes[i]);
        const QByteArray expected = data.mid(position, readSizes[i] * 4);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(reader.ReadBufferPtr()), expected.size()),
                 expected);
        position = qMin<qint64>(position + bufferFrames * 4, dataBytes);
    }
}

void WavReaderTest::seeksWithinTheData() {
    const QByteArray data = CountingData(4000);
    cWavReader reader;
    reader.setReadBufferSize(10);
    reader.setFilename(write(Riff(Chunk("fmt", kStereo16) + Chunk("JUNK", "x") + Chunk("data", data))));
    const auto firstFrameRead = [&] {
        reader.Read();
        return QByteArray(reinterpret_cast<const char *>(reader.ReadBufferPtr()), 4);
    };
    reader.SeekAbsolute(100);
    QCOMPARE(reader.BufferStartPosition(), 400);
    QCOMPARE(firstFrameRead(), data.mid(400, 4));
    reader.SeekRelative(-60);
    QCOMPARE(reader.BufferStartPosition(), 200);
    QCOMPARE(firstFrameRead(), data.mid(200, 4));
    reader.SeekAbsolute(reader.AudioLength());
    QVERIFY(!reader.Read());
    QCOMPARE(reader.ReadSize(), 0);
    for (const auto &outOfRange : QList<std::function<void()>>{
             [&] { reader.SeekAbsolute(reader.AudioLength() + 1); }, [&] { reader.SeekAbsolute(-1); },
             [&] { reader.SeekRelative(1); }, [&] { reader.SeekRelative(-1001); }}) {
        const common::RuntimeError error = ErrorOf(outOfRange);
        QCOMPARE(error.number(), 29678);
        QCOMPARE(error.description(), QStringLiteral("Position out of range"));
    }
    QCOMPARE(reader.BufferStartPosition(), 4000);
}

void WavReaderTest::guardsBufferSizeAndClosedState() {
    cWavReader reader;
    QCOMPARE(reader.ReadBufferSize(), 32768);
    QCOMPARE(ErrorOf([&] { reader.setReadBufferSize(0); }).number(), int(common::ErrInvalidPropertyValue));
    QCOMPARE(ErrorOf([&] { reader.setReadBufferSize(-5); }).number(), int(common::ErrInvalidPropertyValue));
    QCOMPARE(ErrorOf([&] { reader.SeekAbsolute(0); }).number(), 29676);
    QCOMPARE(
        ErrorOf([&] { reader.setFilename(m_dir->filePath(QStringLiteral("missing.wav"))); }).description(),
        QStringLiteral("Unable to open file."));

    reader.setFilename(write(SineWave(44100, 100)));
    const common::RuntimeError whileOpen = ErrorOf([&] { reader.setReadBufferSize(1152); });
    QCOMPARE(whileOpen.number(), 29679);
    QCOMPARE(whileOpen.description(), QStringLiteral("Cannot change buffer size whilst a file is open."));
    QCOMPARE(reader.ReadBufferSize(), 32768);

    QVERIFY(!reader.OpenFile(QString()));
    QCOMPARE(reader.Filename(), QString());
    QCOMPARE(reader.AudioLength(), 0);
    reader.setReadBufferSize(1152);
    QCOMPARE(reader.ReadBufferSize(), 1152);
}

QTEST_GUILESS_MAIN(WavReaderTest)
#include "tst_wav_reader.moc"
