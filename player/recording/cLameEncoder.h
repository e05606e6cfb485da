#pragma once
// cLameEncoder: converts one 16-bit stereo WAVE file into a constant-bit-rate MP3 file through the encoder
// library Tunelark.dll, chunk by chunk.
//
// Threads: Encode and EncodeFrom run on the caller's thread (the GUI thread in the player for a saved
// recording, a worker thread for a running one) and dispatch no events; the feedback hooks and the
// Progress signal are called synchronously from it.

#include "encoder/bladeenc-interface.h"
#include "player/recording/conversion-feedback.h"

#include <QObject>
#include <QString>
#include <memory>

class cMp3Writer;
namespace recording {
class EncoderLibrary;
class PcmSource;
} // namespace recording

class cLameEncoder : public QObject {
    Q_OBJECT
public:
    // What Encode returns when the library could not be started.
    static inline const QString kLibraryNotStarted = QStringLiteral("lameConvert");

    // Binds the library at `libraryPath` when a conversion starts. The configuration starts as: LAME
    // record, 48000 Hz, stereo, 160 kbit/s, preset 5, MPEG-1, original, Info tag, no bit reservoir.
    cLameEncoder(QString libraryPath, recording::ConversionFeedback feedback, QObject *parent = nullptr);
    // Closes an open stream, ignoring errors.
    ~cLameEncoder() override;

    QString WavFile() const { return m_wavFile; }
    // Keeps the value only when it names an existing file; otherwise WavFile becomes empty, so a later
    // Encode cannot convert an earlier file by mistake.
    void setWavFile(const QString &value);
    QString MP3File() const { return m_mp3File; }
    void setMP3File(const QString &value) { m_mp3File = value; }

    // Fields of the library's configuration record.
    std::int32_t EncodingPreset() const { return m_config.LHV1.nPreset; }
    void setEncodingPreset(std::int32_t value) { m_config.LHV1.nPreset = value; }
    std::int32_t BitRate() const { return static_cast<std::int32_t>(m_config.LHV1.dwBitrate); }
    void setBitRate(std::int32_t value) { m_config.LHV1.dwBitrate = static_cast<std::uint32_t>(value); }
    // Encode replaces it with the WAVE file's own rate whenever that file can be read.
    std::int32_t SampleRate() const { return static_cast<std::int32_t>(m_config.LHV1.dwSampleRate); }
    void setSampleRate(std::int32_t value) { m_config.LHV1.dwSampleRate = static_cast<std::uint32_t>(value); }
    std::int32_t OutputMode() const { return m_config.LHV1.nMode; }
    void setOutputMode(std::int32_t value) { m_config.LHV1.nMode = value; }

    // Converts WavFile into MP3File (replacing a file of that name), every sample of the WAVE included,
    // with progress 20…90, 95, 98, 100 through ShowSaveProgress (each percentage once) and library result
    // codes shown through
    // ShowError. Returns empty text on success and when a Progress handler cancelled (the partial MP3 is
    // then deleted), and kLibraryNotStarted after showing why when the library is missing, broken or
    // refuses the configuration. Any other failure deletes the partial MP3 and is raised again as a
    // common::RuntimeError with its number and description and the source "<program>.lameConvert".
    // The WAVE file is never touched.
    QString Encode();
    // Converts the sound `source` hands out into MP3File the same way, chunk for chunk, at SampleRate.
    // With the same sound, the file is the one Encode writes, byte for byte. Never touches the source.
    QString EncodeFrom(recording::PcmSource &source);

signals:
    // After each chunk: 16-bit samples (both channels counted) done of the total. Setting `cancel` ends
    // the conversion after this chunk.
    void Progress(qint64 samplesDone, qint64 totalSamples, bool &cancel);

private:
    // Stream codes outside the library's own: only this one is used.
    enum OwnCode { EngineNotInitialised = 1 };

    void adoptWaveRate();
    void lameInit();
    void lameClose();
    std::unique_ptr<cMp3Writer> createMp3Writer() const;
    void encodeSamples(const recording::PcmSource &source, cMp3Writer &writer, qint64 samples);
    void finishFile(cMp3Writer &writer, qint64 totalSamples, bool &cancel);
    void reportProgress(qint64 samplesDone, qint64 totalSamples, bool &cancel);
    void showSaveProgress(int percent);
    void CheckLameResult(BE_ERR code, bool libraryCode) const;
    static bool FileExists(const QString &path);
    static void RemoveFile(const QString &path);

    QString m_libraryPath;
    recording::ConversionFeedback m_feedback;
    std::unique_ptr<recording::EncoderLibrary> m_library;
    BE_CONFIG m_config;
    HBE_STREAM m_stream = 0;
    std::uint32_t m_samplesPerChunk = 0;
    std::uint32_t m_bufferSize = 0;
    QString m_wavFile;
    QString m_mp3File;
    int m_shownPercent = -1;
};
