#include "platform/mci/pulse-capture.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <unistd.h>

namespace platform::mci {

namespace {

pa_sample_format_t SampleFormat(int bitsPerSample) {
    switch (bitsPerSample) {
    case 8:
        return PA_SAMPLE_U8;
    case 24:
        return PA_SAMPLE_S24LE;
    case 32:
        return PA_SAMPLE_S32LE;
    default:
        return PA_SAMPLE_S16LE;
    }
}

// Writes all of `length` bytes; false on any error (a full disk among them).
bool WriteAll(int fd, const char *data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

PulseCapture::~PulseCapture() { stop(); }

QString PulseCapture::start(const QString &source, const WaveFormat &format, int fd, std::int64_t bytesSoFar,
                            std::int64_t limitBytes, bool *serverUnreachable) {
    stop();
    *serverUnreachable = true;
    m_fd = fd;
    m_bytes = bytesSoFar;
    m_limit = limitBytes;
    m_bytesPerSec = format.bytesPerSec();
    m_failure = Failure::None;
    // Unsigned 8-bit samples are silent at their middle value.
    m_silence.fill(format.bitsPerSample == 8 ? char(0x80) : char(0));
    if (::lseek(fd, 0, SEEK_END) < 0)
        return QStringLiteral("the recording file cannot be appended to");

    m_loop = pa_threaded_mainloop_new();
    if (m_loop == nullptr || pa_threaded_mainloop_start(m_loop) < 0) {
        stop();
        return QStringLiteral("the sound library cannot start");
    }
    pa_threaded_mainloop_lock(m_loop);
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tunelark");
    QString error;
    if (m_context == nullptr) {
        error = QStringLiteral("the sound library cannot start");
    } else {
        pa_context_set_state_callback(m_context, &PulseCapture::ContextState, this);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0 || !waitUntilReady(false))
            error = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
    }
    if (error.isEmpty()) {
        *serverUnreachable = false;
        const pa_sample_spec sampleFormat{SampleFormat(format.bitsPerSample),
                                          static_cast<std::uint32_t>(format.samplesPerSec),
                                          static_cast<std::uint8_t>(format.channels)};
        m_stream = pa_stream_new(m_context, "Recording", &sampleFormat, nullptr);
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        // About 50 ms a fragment: the recorded length follows the sound closely.
        buffer.fragsize = static_cast<std::uint32_t>(std::max<std::int64_t>(format.bytesPerSec() / 20, 1));
        const QByteArray device = source.isEmpty() ? QByteArray("@DEFAULT_MONITOR@") : source.toUtf8();
        if (m_stream != nullptr) {
            pa_stream_set_state_callback(m_stream, &PulseCapture::StreamState, this);
            pa_stream_set_read_callback(m_stream, &PulseCapture::StreamRead, this);
        }
        m_running = true;
        if (m_stream == nullptr ||
            pa_stream_connect_record(m_stream, device.constData(), &buffer, PA_STREAM_ADJUST_LATENCY) < 0 ||
            !waitUntilReady(true))
            error = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
    }
    pa_threaded_mainloop_unlock(m_loop);
    if (!error.isEmpty()) {
        stop();
        m_failure = Failure::None;
    }
    return error;
}

// The sound server holds what the source recorded last (its latency, up to seconds for an idle
// sink's monitor); stopping at once would cut that from the end of the recording.
void PulseCapture::collectWhatIsOnItsWay() {
    pa_threaded_mainloop_lock(m_loop);
    pa_operation *update = pa_stream_update_timing_info(
        m_stream,
        [](pa_stream *, int, void *loop) {
            pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
        },
        m_loop);
    while (update != nullptr && pa_operation_get_state(update) == PA_OPERATION_RUNNING)
        pa_threaded_mainloop_wait(m_loop);
    if (update != nullptr)
        pa_operation_unref(update);
    pa_usec_t latency = 0;
    int negative = 0;
    const bool known = pa_stream_get_latency(m_stream, &latency, &negative) == 0 && negative == 0;
    pa_threaded_mainloop_unlock(m_loop);
    if (!known)
        return;
    constexpr pa_usec_t kLongestWait = 3 * PA_USEC_PER_SEC;
    const std::int64_t target = m_bytes + std::int64_t(std::min(latency, kLongestWait)) * m_bytesPerSec /
                                              std::int64_t(PA_USEC_PER_SEC);
    QDeadlineTimer deadline(std::chrono::microseconds(std::min(latency, kLongestWait)) +
                            std::chrono::milliseconds(250));
    while (m_running && m_bytes < target && !deadline.hasExpired())
        QThread::msleep(10);
}

// Runs with the loop locked; the state callbacks signal each change.
bool PulseCapture::waitUntilReady(bool forStream) {
    for (;;) {
        if (forStream) {
            const pa_stream_state_t state = pa_stream_get_state(m_stream);
            if (state == PA_STREAM_READY)
                return true;
            if (!PA_STREAM_IS_GOOD(state))
                return false;
        } else {
            const pa_context_state_t state = pa_context_get_state(m_context);
            if (state == PA_CONTEXT_READY)
                return true;
            if (!PA_CONTEXT_IS_GOOD(state))
                return false;
        }
        pa_threaded_mainloop_wait(m_loop);
    }
}

void PulseCapture::stop() {
    if (m_loop != nullptr && m_running)
        collectWhatIsOnItsWay();
    m_running = false;
    if (m_loop == nullptr)
        return;
    pa_threaded_mainloop_lock(m_loop);
    if (m_stream != nullptr) {
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context != nullptr) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
}

void PulseCapture::ContextState(pa_context *context, void *self) {
    auto *capture = static_cast<PulseCapture *>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
        capture->fail(Failure::SoundServer);
    pa_threaded_mainloop_signal(capture->m_loop, 0);
}

void PulseCapture::StreamState(pa_stream *stream, void *self) {
    auto *capture = static_cast<PulseCapture *>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        capture->fail(Failure::SoundServer);
    pa_threaded_mainloop_signal(capture->m_loop, 0);
}

void PulseCapture::StreamRead(pa_stream *stream, std::size_t, void *self) {
    auto *capture = static_cast<PulseCapture *>(self);
    while (pa_stream_readable_size(stream) > 0) {
        const void *data = nullptr;
        std::size_t length = 0;
        if (pa_stream_peek(stream, &data, &length) < 0) {
            capture->fail(Failure::SoundServer);
            return;
        }
        if (length == 0)
            return;
        if (capture->m_running)
            capture->append(data, length);
        pa_stream_drop(stream);
    }
}

void PulseCapture::fail(Failure failure) {
    // Only a failure while recording counts; stop() and a failed start() report their own way.
    if (m_running.exchange(false))
        m_failure = failure;
}

void PulseCapture::append(const void *data, std::size_t length) {
    const std::int64_t room = m_limit - m_bytes;
    const std::size_t part = static_cast<std::size_t>(std::min<std::int64_t>(room, std::int64_t(length)));
    bool written = true;
    if (data != nullptr) {
        written = WriteAll(m_fd, static_cast<const char *>(data), part);
    } else {
        // A hole in the stream (lost data) is kept as silence, so what follows stays in time.
        for (std::size_t done = 0; written && done < part; done += m_silence.size())
            written = WriteAll(m_fd, m_silence.data(), std::min(m_silence.size(), part - done));
    }
    if (!written) {
        // What reached the disk before stays; the tail of a partial write is cut on save.
        fail(Failure::FileWrite);
        return;
    }
    m_bytes += std::int64_t(part);
    if (m_bytes >= m_limit)
        m_running = false;
}

} // namespace platform::mci
