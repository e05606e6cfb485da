#include "player/now-playing/reconnect-policy.h"

#include <QtGlobal>

namespace now_playing {

namespace {

constexpr int kDoublingAttempts = 5; // 1, 2, 4, 8, 16 seconds
constexpr int kSteadyDelayMs = 30000;

int LimitFromEnvironment() {
    bool isNumber = false;
    const int limit = qEnvironmentVariableIntValue("TUNELARK_RECONNECT_LIMIT_MS", &isNumber);
    return isNumber && limit > 0 ? limit : ReconnectPolicy::kGiveUpAfterMs;
}

} // namespace

ReconnectPolicy::ReconnectPolicy() : m_limitMs(LimitFromEnvironment()) {}

void ReconnectPolicy::start() {
    m_sinceDrop.start();
    m_attempts = 0;
    m_active = true;
}

void ReconnectPolicy::stop() { m_active = false; }

std::optional<int> ReconnectPolicy::nextDelayMs() {
    if (!m_active)
        return std::nullopt;
    const int delay = m_attempts < kDoublingAttempts ? 1000 << m_attempts : kSteadyDelayMs;
    if (m_sinceDrop.elapsed() + delay > m_limitMs)
        return std::nullopt;
    ++m_attempts;
    return delay;
}

} // namespace now_playing
