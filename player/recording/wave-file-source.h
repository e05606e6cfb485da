#pragma once
// The sound of a saved WAVE file as a conversion reads it.

#include "player/recording/cWavReader.h"
#include "player/recording/pcm-source.h"

#include <QString>

namespace recording {

class WaveFileSource : public PcmSource {
public:
    explicit WaveFileSource(QString path) : m_path(std::move(path)) {}

    void Open(std::int32_t framesPerRead) override;
    bool Read() override { return m_reader.Read(); }
    std::int32_t ReadSize() const override { return m_reader.ReadSize(); }
    const std::int16_t *ReadBufferPtr() const override { return m_reader.ReadBufferPtr(); }
    qint64 TotalFrames() const override { return m_reader.AudioLength(); }

private:
    QString m_path;
    cWavReader m_reader;
};

} // namespace recording
