#pragma once
// When to try again a station that stopped on its own: 1, 2, 4, 8 and 16 seconds after the drop and
// the failed attempts that follow it, then every 30 seconds, until 5 minutes have passed since the
// drop (TUNELARK_RECONNECT_LIMIT_MS, when it holds a number of milliseconds, for tests).

#include <QElapsedTimer>
#include <optional>

namespace now_playing {

class ReconnectPolicy {
public:
    static constexpr int kGiveUpAfterMs = 5 * 60 * 1000;

    ReconnectPolicy();

    // Starts counting from a drop.
    void start();
    // Between drops.
    void stop();
    bool active() const { return m_active; }
    // How long to wait before the next attempt; nothing when that attempt would come after the limit.
    std::optional<int> nextDelayMs();

    int limitMs() const { return m_limitMs; }

private:
    QElapsedTimer m_sinceDrop;
    int m_attempts = 0;
    int m_limitMs;
    bool m_active = false;
};

} // namespace now_playing
