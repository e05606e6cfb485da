// Tunelark.dll on its own: the configurations it takes and refuses, and the result codes of a stream's
// life, called through the exported names as any caller of the interface would.

#include "encoder/bladeenc-interface.h"

#include <QLibrary>
#include <QtTest>
#include <cstring>
#include <vector>

namespace {

// The record as the player fills it, at `rate`.
BE_CONFIG PlayerConfig(uint32_t rate) {
    BE_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.dwConfig = BE_CONFIG_LAME;
    config.LHV1.dwStructVersion = 1;
    config.LHV1.dwStructSize = sizeof config;
    config.LHV1.dwSampleRate = rate;
    config.LHV1.dwBitrate = 160;
    config.LHV1.nPreset = LQP_FAST_STANDARD;
    config.LHV1.dwMpegVersion = MPEG1;
    config.LHV1.bOriginal = 1;
    config.LHV1.bWriteVBRHeader = 1;
    config.LHV1.bNoRes = 1;
    return config;
}

} // namespace

class EncoderLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void initStream_data();
    void initStream();
    void streamLifecycle();
    void version();

private:
    template <typename Function> Function bind(const char *name) {
        return reinterpret_cast<Function>(m_library.resolve(name));
    }

    QLibrary m_library{QStringLiteral(TUNELARK_ENCODER_LIBRARY)};
    BEINITSTREAM m_init = nullptr;
    BEENCODECHUNK m_encode = nullptr;
    BEDEINITSTREAM m_deinit = nullptr;
    BECLOSESTREAM m_close = nullptr;
    BEWRITEINFOTAG m_writeTag = nullptr;
};

void EncoderLibraryTest::initTestCase() {
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_init = bind<BEINITSTREAM>("beInitStream");
    m_encode = bind<BEENCODECHUNK>("beEncodeChunk");
    m_deinit = bind<BEDEINITSTREAM>("beDeinitStream");
    m_close = bind<BECLOSESTREAM>("beCloseStream");
    m_writeTag = bind<BEWRITEINFOTAG>("beWriteInfoTag");
    QVERIFY(m_init && m_encode && m_deinit && m_close && m_writeTag);
}

void EncoderLibraryTest::initStream_data() {
    QTest::addColumn<QByteArray>("change"); // which field differs from the player's record
    QTest::addColumn<uint>("value");
    QTest::addColumn<uint>("result");
    QTest::addColumn<uint>("samples");
    QTest::addColumn<uint>("bufferSize");
    QTest::newRow("44100 Hz: MPEG-1 frames")
        << QByteArray("rate") << 44100u << BE_ERR_SUCCESSFUL << 2304u << 8640u;
    QTest::newRow("22050 Hz: MPEG-2 frames")
        << QByteArray("rate") << 22050u << BE_ERR_SUCCESSFUL << 1152u << 7920u;
    QTest::newRow("mono") << QByteArray("mode") << uint(BE_MP3_MODE_MONO) << BE_ERR_SUCCESSFUL << 1152u
                          << 8640u;
    QTest::newRow("96000 Hz resampled")
        << QByteArray("96000 to") << 48000u << BE_ERR_SUCCESSFUL << 2304u << 8640u;
    QTest::newRow("not a LAME record")
        << QByteArray("config") << uint(BE_CONFIG_MP3) << BE_ERR_INVALID_FORMAT << 0u << 0u;
    QTest::newRow("96000 Hz kept") << QByteArray("rate") << 96000u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u
                                   << 0u;
    QTest::newRow("no rate") << QByteArray("rate") << 0u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u << 0u;
    QTest::newRow("unknown mode") << QByteArray("mode") << 4u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u << 0u;
    QTest::newRow("unknown preset") << QByteArray("preset") << 15u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u
                                    << 0u;
    QTest::newRow("VBR") << QByteArray("vbr") << 1u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u << 0u;
    QTest::newRow("no bit rate") << QByteArray("bitrate") << 0u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u
                                 << 0u;
    QTest::newRow("384 kbit/s") << QByteArray("bitrate") << 384u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u
                                << 0u;
    QTest::newRow("record of another size")
        << QByteArray("size") << 330u << BE_ERR_INVALID_FORMAT_PARAMETERS << 0u << 0u;
}

void EncoderLibraryTest::initStream() {
    QFETCH(QByteArray, change);
    QFETCH(uint, value);
    QFETCH(uint, result);
    QFETCH(uint, samples);
    QFETCH(uint, bufferSize);
    BE_CONFIG config = PlayerConfig(44100);
    if (change == "rate")
        config.LHV1.dwSampleRate = value;
    else if (change == "96000 to") {
        config.LHV1.dwSampleRate = 96000;
        config.LHV1.dwReSampleRate = value;
    } else if (change == "mode")
        config.LHV1.nMode = static_cast<int32_t>(value);
    else if (change == "config")
        config.dwConfig = value;
    else if (change == "preset")
        config.LHV1.nPreset = static_cast<int32_t>(value);
    else if (change == "vbr")
        config.LHV1.bEnableVBR = static_cast<int32_t>(value);
    else if (change == "bitrate")
        config.LHV1.dwBitrate = value;
    else if (change == "size")
        config.LHV1.dwStructSize = value;
    uint32_t gotSamples = 0;
    uint32_t gotBufferSize = 0;
    HBE_STREAM stream = 0;
    QCOMPARE(m_init(&config, &gotSamples, &gotBufferSize, &stream), BE_ERR(result));
    QCOMPARE(gotSamples, samples);
    QCOMPARE(gotBufferSize, bufferSize);
    QCOMPARE(stream != 0, result == BE_ERR_SUCCESSFUL);
    if (stream != 0)
        QCOMPARE(m_close(stream), BE_ERR_SUCCESSFUL);
}

void EncoderLibraryTest::streamLifecycle() {
    BE_CONFIG config = PlayerConfig(44100);
    uint32_t samples = 0;
    uint32_t bufferSize = 0;
    HBE_STREAM stream = 0;
    QCOMPARE(m_init(&config, &samples, &bufferSize, &stream), BE_ERR_SUCCESSFUL);
    const std::vector<int16_t> pcm(samples + 2, 0);
    std::vector<uint8_t> output(bufferSize);
    uint32_t bytes = 1;
    QCOMPARE(m_encode(stream, samples, pcm.data(), output.data(), &bytes), BE_ERR_SUCCESSFUL);
    QCOMPARE(m_encode(stream, samples + 2, pcm.data(), output.data(), &bytes),
             BE_ERR_INVALID_FORMAT_PARAMETERS);
    QCOMPARE(bytes, 0u);
    QCOMPARE(m_encode(stream, 3, pcm.data(), output.data(), &bytes), BE_ERR_INVALID_FORMAT_PARAMETERS);
    QCOMPARE(m_encode(stream, samples, pcm.data(), nullptr, &bytes), BE_ERR_INVALID_FORMAT_PARAMETERS);
    QCOMPARE(m_writeTag(stream, "/nonexistent/file.mp3"), BE_ERR_INVALID_FORMAT_PARAMETERS); // not flushed
    QCOMPARE(m_deinit(stream, output.data(), &bytes), BE_ERR_SUCCESSFUL);
    QVERIFY(bytes > 0);
    QCOMPARE(m_deinit(stream, output.data(), &bytes), BE_ERR_SUCCESSFUL);
    QCOMPARE(bytes, 0u);
    QCOMPARE(m_encode(stream, samples, pcm.data(), output.data(), &bytes), BE_ERR_INVALID_FORMAT_PARAMETERS);
    QCOMPARE(m_writeTag(stream, "/nonexistent/file.mp3"), BE_ERR_INVALID_FORMAT_PARAMETERS);
    QCOMPARE(m_close(stream), BE_ERR_SUCCESSFUL);

    QCOMPARE(m_close(stream), BE_ERR_INVALID_HANDLE);
    QCOMPARE(m_encode(stream, samples, pcm.data(), output.data(), &bytes), BE_ERR_INVALID_HANDLE);
    QCOMPARE(m_deinit(0, output.data(), &bytes), BE_ERR_INVALID_HANDLE);
    QCOMPARE(m_writeTag(12345, "file.mp3"), BE_ERR_INVALID_HANDLE);
}

void EncoderLibraryTest::version() {
    const auto beVersion = bind<BEVERSION>("beVersion");
    QVERIFY(beVersion);
    BE_VERSION version;
    std::memset(&version, 0xAA, sizeof version);
    beVersion(&version);
    QCOMPARE(version.byDLLMajorVersion, uint8_t(1));
    QCOMPARE(version.byMajorVersion, uint8_t(3));
    QVERIFY(version.byMinorVersion >= 99);
    QVERIFY(std::strlen(version.zHomepage) > 0);
    QVERIFY(std::strlen(version.zHomepage) <= BE_MAX_HOMEPAGE);
}

QTEST_GUILESS_MAIN(EncoderLibraryTest)
#include "tst_encoder_library.moc"
