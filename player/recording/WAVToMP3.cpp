#include "player/recording/WAVToMP3.h"

#include "common/runtime-error.h"
#include "player/recording/cWavReader.h"
#include "player/recording/error-source.h"
#include "player/recording/live-encoder.h"

#include <QFile>

WAVToMP3::WAVToMP3(const QString &libraryPath, recording::ConversionFeedback feedback)
    : m_feedback(feedback), m_cEncoder(libraryPath, std::move(feedback)) {}

QString WAVToMP3::CreateWAVtoMP3(const QString &WavFile, const QString &MP3File, bool removeWAVFile) {
    return Converted([&] { return ConvertFile(WavFile, MP3File); }, WavFile, removeWAVFile);
}

QString WAVToMP3::CompleteLiveMP3(recording::LiveEncoder &live, const QString &WavFile,
                                  const QString &MP3File, bool removeWAVFile) {
    return Converted([&] { return CompleteFile(live, WavFile, MP3File); }, WavFile, removeWAVFile);
}

void WAVToMP3::UseRecordingSettings(cLameEncoder &encoder) { encoder.setEncodingPreset(LQP_FAST_STANDARD); }

QString WAVToMP3::Converted(const std::function<QString()> &convert, const QString &WavFile,
                            bool removeWAVFile) {
    try {
        const QString result = convert();
        // Only a finished MP3 may take the recording's place.
        if (removeWAVFile && result.isEmpty()) {
            QFile wave(WavFile);
            if (!wave.remove())
                throw common::RuntimeError::fromNumber(
                    wave.exists() ? common::ErrPermissionDenied : common::ErrFileNotFound,
                    recording::ErrorSource(QStringLiteral("CreateWAVtoMP3")));
        }
        return result;
    } catch (const common::RuntimeError &error) {
        return error.description();
    }
}

QString WAVToMP3::ConvertFile(const QString &WavFile, const QString &MP3File) {
    m_cEncoder.setWavFile(WavFile);
    m_cEncoder.setMP3File(MP3File);
    UseRecordingSettings(m_cEncoder);
    return m_cEncoder.Encode();
}

// The saved WAVE file says how much sound the recording holds; the live MP3 must hold all of it.
QString WAVToMP3::CompleteFile(recording::LiveEncoder &live, const QString &WavFile, const QString &MP3File) {
    const auto showSaveProgress = [this](int percent) {
        if (m_feedback.ShowSaveProgress)
            m_feedback.ShowSaveProgress(percent);
    };
    qint64 frames = 0;
    {
        cWavReader reader;
        reader.setReadBufferSize(1);
        reader.OpenFile(WavFile);
        frames = reader.AudioLength();
    }
    showSaveProgress(90);
    if (QString failure = live.Finish(frames); !failure.isEmpty())
        return failure;
    showSaveProgress(95);
    QFile::remove(MP3File);
    if (!QFile::rename(live.Mp3Path(), MP3File)) {
        QFile::remove(live.Mp3Path());
        throw common::RuntimeError::fromNumber(common::ErrPermissionDenied,
                                               recording::ErrorSource(QStringLiteral("CompleteLiveMP3")));
    }
    showSaveProgress(98);
    showSaveProgress(100);
    return QString();
}
