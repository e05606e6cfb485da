#include "player/recording/running-capture.h"

#include "common/runtime-error.h"
#include "player/recording/error-source.h"

#include <algorithm>
#include <chrono>

namespace recording {

namespace {

// How long Read waits before it looks at the file again: the sound server appends every few tens of
// milliseconds, and Stop Recording waits for at most this much more than the last sound.
constexpr std::chrono::milliseconds kLookAgain{50};

QString CaptureSource() { return ErrorSource(QStringLiteral("RunningCapture")); }

} // namespace

RunningCapture::RunningCapture(const QString &path, qint64 dataStart) : m_file(path), m_dataStart(dataStart) {
    m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void RunningCapture::Finish(qint64 frames) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_endBytes = std::max<qint64>(frames, 0) * kFrameBytes;
    }
    m_wake.notify_all();
}

void RunningCapture::Cancel() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cancelled = true;
    }
    m_wake.notify_all();
}

void RunningCapture::Open(std::int32_t framesPerRead) {
    if (!m_file.isOpen())
        throw common::RuntimeError::fromNumber(common::ErrFileNotFound, CaptureSource());
    if (framesPerRead < 1)
        throw common::RuntimeError::fromNumber(common::ErrInvalidPropertyValue, CaptureSource());
    m_bufferBytes = framesPerRead * kFrameBytes;
    m_buffer = std::make_unique<std::int16_t[]>(static_cast<std::size_t>(m_bufferBytes / 2));
}

qint64 RunningCapture::TotalFrames() const {
    const qint64 end = m_endBytes;
    return end < 0 ? 0 : end / kFrameBytes;
}

qint64 RunningCapture::readableBytes() {
    const qint64 inFile = std::max<qint64>(m_file.size() - m_dataStart, 0) / kFrameBytes * kFrameBytes;
    const qint64 end = m_endBytes;
    return (end < 0 ? inFile : std::min(inFile, end)) - m_consumed;
}

bool RunningCapture::Read() {
    m_readBytes = 0;
    for (;;) {
        if (m_cancelled)
            return false;
        const bool endKnown = m_endBytes >= 0;
        const qint64 readable = readableBytes();
        if (readable >= m_bufferBytes) {
            readBytes(m_bufferBytes);
            return !endKnown || m_consumed < m_endBytes;
        }
        if (endKnown) {
            // A file cut shorter than the sound it was said to hold cannot give its end.
            if (m_consumed + readable < m_endBytes)
                throw common::RuntimeError::fromNumber(common::ErrInputPastEndOfFile, CaptureSource());
            readBytes(readable);
            return false;
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait_for(lock, kLookAgain, [this] { return m_cancelled || m_endBytes >= 0; });
    }
}

void RunningCapture::readBytes(qint64 bytes) {
    if (bytes > 0 && (!m_file.seek(m_dataStart + m_consumed) ||
                      m_file.read(reinterpret_cast<char *>(m_buffer.get()), bytes) != bytes))
        throw common::RuntimeError::fromNumber(common::ErrDeviceIO, CaptureSource());
    m_consumed += bytes;
    m_readBytes = bytes;
}

} // namespace recording
