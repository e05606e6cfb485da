#pragma once
// Records what reaches the test PulseAudio daemon's null sink (its monitor source) so a test can
// tell whether sound came out; the player's own state cannot tell, since libVLC falls back to
// another output silently. Needs PULSE_SERVER (scripts/services/pulseaudio.sh).
//
// Threads: a thread of its own reads from PulseAudio and keeps one loudness figure per 100 ms; the
// test's thread reads them.

#include <QString>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

struct pa_simple;

// Fails the calling test function when the test sound server is not running: under the test command
// it always runs, so its absence is a fault of the run, never a reason to pass.
#define TUNELARK_REQUIRE_SOUND_SERVER()                                                                      \
    QVERIFY2(SinkRecorder::available(),                                                                      \
             "needs the test PulseAudio daemon (start_pulseaudio in scripts/services/pulseaudio.sh)")

class SinkRecorder {
public:
    // Starts recording at once; error() says why it could not.
    SinkRecorder();
    ~SinkRecorder();

    QString error() const { return m_error; }
    // Forgets what was recorded so far.
    void clear();
    // Waits up to `timeoutMs` (the event loop keeps running) for a 100 ms stretch, recorded after
    // the last clear(), whose RMS level reaches `level` (of 32767).
    bool waitForSound(int timeoutMs, double level = 500);
    // Whether nothing reaching `level` is heard for `durationMs`; sound already on its way through
    // PulseAudio when this is called (played just before) is left out.
    bool staysSilent(int durationMs, double level = 500);

    // Whether the test daemon is configured (PULSE_SERVER set).
    static bool available();

private:
    void record();

    pa_simple *m_stream = nullptr;
    QString m_error;
    std::mutex m_mutex;
    std::vector<double> m_levels; // RMS per 100 ms since the last clear(), guarded by m_mutex
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
