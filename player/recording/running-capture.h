#pragma once
// The sound of a recording that is still running, read from its capture file while the sound server's
// thread appends to it: Read waits for a whole buffer, until Finish says where the sound ends. A pause
// of the capture (the WAVE limit, a sound-server or disk failure) is a pause of the reading.
//
// Threads: Open and Read run on the thread that encodes; Finish and Cancel may come from any thread.

#include "player/recording/pcm-source.h"

#include <QFile>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace recording {

class RunningCapture : public PcmSource {
public:
    // Opens the capture file at `path` at once, so the file stays readable when the recording is later
    // saved under another name; `dataStart` is where its PCM begins. IsOpen tells whether it opened.
    RunningCapture(const QString &path, qint64 dataStart);

    bool IsOpen() const { return m_file.isOpen(); }
    // The sound ends after `frames` frames: Read hands out the rest, then ends.
    void Finish(qint64 frames);
    // Read ends at once (without a last portion) and stays ended.
    void Cancel();

    void Open(std::int32_t framesPerRead) override;
    bool Read() override;
    std::int32_t ReadSize() const override { return static_cast<std::int32_t>(m_readBytes / kFrameBytes); }
    const std::int16_t *ReadBufferPtr() const override { return m_buffer.get(); }
    qint64 TotalFrames() const override;

private:
    static constexpr qint64 kFrameBytes = 4;

    // PCM bytes that may be read now: whole frames in the file, never past the end once it is known.
    qint64 readableBytes();
    void readBytes(qint64 bytes);

    QFile m_file;
    qint64 m_dataStart;
    qint64 m_consumed = 0;
    qint64 m_bufferBytes = 0;
    qint64 m_readBytes = 0;
    std::unique_ptr<std::int16_t[]> m_buffer;
    std::atomic<qint64> m_endBytes{-1};
    std::atomic<bool> m_cancelled{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
};

} // namespace recording
