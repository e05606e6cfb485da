#include "player/recording/cLameEncoder.h"

#include "common/error-handling.h"
#include "common/rounding.h"
#include "common/runtime-error.h"
#include "player/recording/cMp3Writer.h"
#include "player/recording/cWavReader.h"
#include "player/recording/encoder-library.h"
#include "player/recording/error-source.h"
#include "player/recording/wave-file-source.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The library's sizes as the 32-bit properties of reader and writer take them; a size past their range
// is refused there.
std::int32_t ClampedSize(std::uint32_t size) {
    return static_cast<std::int32_t>(std::min<std::uint32_t>(size, std::numeric_limits<std::int32_t>::max()));
}

QString LibraryResultText(BE_ERR code) {
    switch (code) {
    case BE_ERR_INVALID_FORMAT:
        return QStringLiteral("Invalid Format");
    case BE_ERR_INVALID_FORMAT_PARAMETERS:
        return QStringLiteral("Invalid Format Parameters");
    case BE_ERR_NO_MORE_HANDLES:
        return QStringLiteral("Out of LAME handles");
    case BE_ERR_INVALID_HANDLE:
        return QStringLiteral("LAME handle is invalid");
    case BE_ERR_BUFFER_TOO_SMALL:
        return QStringLiteral("Buffer is too small");
    default:
        return QString();
    }
}

} // namespace

cLameEncoder::cLameEncoder(QString libraryPath, recording::ConversionFeedback feedback, QObject *parent)
    : QObject(parent), m_libraryPath(std::move(libraryPath)), m_feedback(std::move(feedback)) {
    std::memset(&m_config, 0, sizeof m_config);
    m_config.dwConfig = BE_CONFIG_LAME;
    auto &lhv1 = m_config.LHV1;
    lhv1.dwStructVersion = CURRENT_STRUCT_VERSION;
    lhv1.dwStructSize = sizeof m_config;
    lhv1.dwSampleRate = 48000;
    lhv1.nMode = BE_MP3_MODE_STEREO;
    lhv1.dwBitrate = 160;
    lhv1.nPreset = LQP_VERYHIGH_QUALITY;
    lhv1.dwMpegVersion = MPEG1;
    lhv1.bOriginal = 1;
    lhv1.bWriteVBRHeader = 1;
    lhv1.bNoRes = 1;
}

cLameEncoder::~cLameEncoder() {
    common::SkipOnError([this] { lameClose(); });
}

void cLameEncoder::setWavFile(const QString &value) { m_wavFile = FileExists(value) ? value : QString(); }

QString cLameEncoder::Encode() {
    adoptWaveRate();
    recording::WaveFileSource source(m_wavFile);
    return EncodeFrom(source);
}

QString cLameEncoder::EncodeFrom(recording::PcmSource &source) {
    m_shownPercent = -1;
    lameInit();
    if (m_stream == 0) {
        CheckLameResult(EngineNotInitialised, false);
        return kLibraryNotStarted;
    }
    std::unique_ptr<cMp3Writer> writer;
    try {
        const std::int32_t chunkFrames = ClampedSize(m_samplesPerChunk / 2);
        source.Open(chunkFrames);
        writer = createMp3Writer();
        const qint64 chunkSamples = qint64{chunkFrames} * 2;
        qint64 samplesDone = 0;
        bool cancel = false;
        while (source.Read() && !cancel) {
            encodeSamples(source, *writer, chunkSamples);
            samplesDone += chunkSamples;
            reportProgress(samplesDone, source.TotalFrames() * 2, cancel);
        }
        // The last portion (a chunk or less) arrives with Read's false; leaving it out would cut up to a
        // chunk of sound from the end.
        if (!cancel && source.ReadSize() > 0) {
            const qint64 lastSamples = qint64{source.ReadSize()} * 2;
            encodeSamples(source, *writer, lastSamples);
            samplesDone += lastSamples;
            reportProgress(samplesDone, source.TotalFrames() * 2, cancel);
        }
        showSaveProgress(95);
        finishFile(*writer, source.TotalFrames() * 2, cancel);
    } catch (const common::RuntimeError &error) {
        // An incomplete MP3 is of no use; the sound stays for another try.
        const bool fileCreated = writer != nullptr;
        writer.reset();
        if (fileCreated)
            RemoveFile(m_mp3File);
        lameClose();
        throw common::RuntimeError(error.number(), error.description(),
                                   recording::ErrorSource(QStringLiteral("lameConvert")));
    }
    showSaveProgress(98);
    writer.reset();
    lameClose();
    showSaveProgress(100);
    return QString();
}

// A stream at another rate than the recording's would play too fast or too slow. When the file cannot
// be read, createWavReader reports why.
void cLameEncoder::adoptWaveRate() {
    common::SkipOnError([this] {
        cWavReader probe;
        probe.setReadBufferSize(1);
        if (probe.OpenFile(m_wavFile))
            m_config.LHV1.dwSampleRate = probe.Format().samplesPerSec;
    });
}

void cLameEncoder::lameInit() {
    lameClose();
    if (!m_library || !m_library->functions())
        m_library = std::make_unique<recording::EncoderLibrary>(m_libraryPath);
    const recording::EncoderFunctions *library = m_library->functions();
    if (!library) {
        if (m_feedback.ShowError)
            m_feedback.ShowError(m_library->errorString());
        return;
    }
    std::uint32_t samplesPerChunk = 0;
    std::uint32_t bufferSize = 0;
    HBE_STREAM stream = 0;
    const BE_ERR result = library->beInitStream(&m_config, &samplesPerChunk, &bufferSize, &stream);
    if (result == BE_ERR_SUCCESSFUL) {
        m_stream = stream;
        m_samplesPerChunk = samplesPerChunk;
        m_bufferSize = bufferSize;
    }
    CheckLameResult(result, true);
}

void cLameEncoder::lameClose() {
    if (m_stream == 0)
        return;
    const BE_ERR result = m_library->functions()->beCloseStream(m_stream);
    m_stream = 0;
    m_samplesPerChunk = 0;
    m_bufferSize = 0;
    CheckLameResult(result, true);
}

std::unique_ptr<cMp3Writer> cLameEncoder::createMp3Writer() const {
    auto writer = std::make_unique<cMp3Writer>();
    writer->setBufferSize(ClampedSize(m_bufferSize));
    writer->setFilename(m_mp3File);
    return writer;
}

void cLameEncoder::encodeSamples(const recording::PcmSource &source, cMp3Writer &writer, qint64 samples) {
    std::uint32_t bytes = 0;
    const BE_ERR result =
        m_library->functions()->beEncodeChunk(m_stream, static_cast<std::uint32_t>(samples),
                                              source.ReadBufferPtr(), writer.BufferPointer(), &bytes);
    CheckLameResult(result, true);
    writer.WriteBufferToFile(bytes);
}

// Flushes the last frames and puts the Info tag (frame count, encoder delay) at the file's start; a
// cancelled conversion deletes its file instead.
void cLameEncoder::finishFile(cMp3Writer &writer, qint64 totalSamples, bool &cancel) {
    if (cancel) {
        writer.CloseFile();
        RemoveFile(writer.Filename());
        return;
    }
    const recording::EncoderFunctions &library = *m_library->functions();
    std::uint32_t bytes = 0;
    CheckLameResult(library.beDeinitStream(m_stream, writer.BufferPointer(), &bytes), true);
    writer.WriteBufferToFile(bytes);
    emit Progress(totalSamples, totalSamples, cancel);
    writer.CloseFile();
    CheckLameResult(library.beWriteInfoTag(m_stream, QFile::encodeName(writer.Filename()).constData()), true);
}

void cLameEncoder::reportProgress(qint64 samplesDone, qint64 totalSamples, bool &cancel) {
    emit Progress(samplesDone, totalSamples, cancel);
    // A recording that is still running has no total yet.
    if (totalSamples <= 0)
        return;
    const double share = static_cast<double>(samplesDone) * 70 / static_cast<double>(totalSamples);
    showSaveProgress(20 + static_cast<int>(common::RoundHalfEven(share)));
}

// Only a changed percentage is shown: a long recording has tens of thousands of chunks, and the window
// repaints at every call.
void cLameEncoder::showSaveProgress(int percent) {
    if (percent == m_shownPercent || !m_feedback.ShowSaveProgress)
        return;
    m_shownPercent = percent;
    common::SkipOnError([&] { m_feedback.ShowSaveProgress(percent); });
}

void cLameEncoder::CheckLameResult(BE_ERR code, bool libraryCode) const {
    if (code == BE_ERR_SUCCESSFUL || !m_feedback.ShowError)
        return;
    m_feedback.ShowError(libraryCode ? LibraryResultText(code)
                                     : QStringLiteral("Lame engine not initialised"));
}

bool cLameEncoder::FileExists(const QString &path) { return QFileInfo(path).isFile(); }

void cLameEncoder::RemoveFile(const QString &path) { QFile::remove(path); }
