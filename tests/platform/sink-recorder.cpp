#include "tests/platform/sink-recorder.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kRate = 44100;
constexpr int kBlockFrames = kRate / 10; // 100 ms, mono
// What PulseAudio may still hold of sound played before: the player's buffer and our block.
constexpr int kInFlightMs = 400;

} // namespace

SinkRecorder::SinkRecorder() {
    const QByteArray monitor = qEnvironmentVariableIsSet("TUNELARK_TEST_PULSE_MONITOR")
                                   ? qgetenv("TUNELARK_TEST_PULSE_MONITOR")
                                   : QByteArray("nullsink.monitor");
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 1};
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.fragsize = kBlockFrames * sizeof(int16_t); // small capture latency
    int error = 0;
    // A null server name takes PULSE_SERVER from the environment.
    m_stream = pa_simple_new(nullptr, "tunelark-test", PA_STREAM_RECORD, monitor.constData(), "sink monitor",
                             &sampleFormat, nullptr, &buffer, &error);
    if (m_stream == nullptr) {
        m_error = QString::fromUtf8(pa_strerror(error));
        return;
    }
    m_thread = std::thread([this] { record(); });
}

SinkRecorder::~SinkRecorder() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_stream != nullptr)
        pa_simple_free(m_stream);
}

bool SinkRecorder::available() { return qEnvironmentVariableIsSet("PULSE_SERVER"); }

void SinkRecorder::record() {
    std::vector<int16_t> block(kBlockFrames);
    while (!m_stop) {
        int error = 0;
        if (pa_simple_read(m_stream, block.data(), block.size() * sizeof(int16_t), &error) < 0)
            return;
        double sum = 0;
        for (int16_t sample : block)
            sum += double(sample) * sample;
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_levels.push_back(std::sqrt(sum / block.size()));
    }
}

void SinkRecorder::clear() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_levels.clear();
}

bool SinkRecorder::waitForSound(int timeoutMs, double level) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (std::any_of(m_levels.begin(), m_levels.end(), [level](double l) { return l >= level; }))
                return true;
        }
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return false;
}

bool SinkRecorder::staysSilent(int durationMs, double level) {
    QTest::qWait(kInFlightMs);
    clear();
    return !waitForSound(durationMs, level);
}
