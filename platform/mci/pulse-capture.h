#pragma once
// Records one PulseAudio source into a file: the PCM is appended to the file as it arrives, so a
// recording of any length costs no more memory than one fragment.
//
// Threads: start, stop and the destructor run on the caller's thread; libpulse's threaded main loop
// runs the stream and does every write to the file on a thread of its own. bytes(), running() and
// failure() may be read from any thread.

#include "platform/mci/wave-format.h"

#include <QString>
#include <array>
#include <atomic>
#include <cstdint>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace platform::mci {

class PulseCapture {
public:
    enum class Failure { None, SoundServer, FileWrite };

    PulseCapture() = default;
    PulseCapture(const PulseCapture &) = delete;
    PulseCapture &operator=(const PulseCapture &) = delete;
    ~PulseCapture(); // stop()

    // Connects to the sound server and records `source` in `format`, appending to the open file
    // `fd`, which already holds `bytesSoFar` bytes of PCM; recording ends by itself once the PCM
    // reaches `limitBytes` (a whole number of frames). Returns empty text when recording runs, or
    // why it could not start (then `serverUnreachable` tells whether the server was never reached).
    QString start(const QString &source, const WaveFormat &format, int fd, std::int64_t bytesSoFar,
                  std::int64_t limitBytes, bool *serverUnreachable);
    // Ends recording once what the source recorded until now has arrived (waiting at most about
    // three seconds); returns after the last write to the file.
    void stop();

    // PCM bytes in the file.
    std::int64_t bytes() const { return m_bytes; }
    // True from a successful start until stop(), a failure or the limit.
    bool running() const { return m_running; }
    // Why recording ended by itself, if it did.
    Failure failure() const { return m_failure; }

private:
    static void ContextState(pa_context *context, void *self);
    static void StreamState(pa_stream *stream, void *self);
    static void StreamRead(pa_stream *stream, std::size_t length, void *self);
    void fail(Failure failure);
    // Appends `length` bytes (silence when `data` is null), cut at the limit.
    void append(const void *data, std::size_t length);
    bool waitUntilReady(bool forStream);
    void collectWhatIsOnItsWay();

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    int m_fd = -1;
    std::int64_t m_limit = 0;
    std::int64_t m_bytesPerSec = 0;
    std::array<char, 4096> m_silence{};
    std::atomic<std::int64_t> m_bytes{0};
    std::atomic<bool> m_running{false};
    std::atomic<Failure> m_failure{Failure::None};
};

} // namespace platform::mci
