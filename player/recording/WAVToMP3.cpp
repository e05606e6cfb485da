#include "player/recording/WAVToMP3.h"

#include "common/runtime-error.h"
#include "player/recording/error-source.h"

#include <QFile>

WAVToMP3::WAVToMP3(const QString &libraryPath, recording::ConversionFeedback feedback)
    : m_cEncoder(libraryPath, std::move(feedback)) {}

QString WAVToMP3::CreateWAVtoMP3(const QString &WavFile, const QString &MP3File, bool removeWAVFile) {
    try {
        const QString result = ConvertFile(WavFile, MP3File);
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
    m_cEncoder.setEncodingPreset(LQP_FAST_STANDARD);
    return m_cEncoder.Encode();
}
