#include "platform/process/stop-requests.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#include <utility>

namespace platform::process {

namespace {

constexpr std::array<int, 3> kStopSignals = {SIGINT, SIGTERM, SIGHUP};

// The pipe from the signal handler to the watcher, and the handling each signal had before.
int g_pipe[2] = {-1, -1};
struct sigaction g_before[std::size(kStopSignals)];
bool g_watched[std::size(kStopSignals)] = {};

// Only async-signal-safe calls here: a byte into the pipe, and the default handling back for the next
// request.
extern "C" void OnStopSignal(int number) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        if (g_watched[i])
            ::sigaction(kStopSignals[i], &fallback, nullptr);
    errno = savedErrno;
}

} // namespace

StopRequests::StopRequests(QObject *parent) : QObject(parent) {
    // Without the pipe the signals keep their handling: the program still ends, only less tidily.
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopRequests::readRequests);
    struct sigaction watch {};
    watch.sa_handler = OnStopSignal;
    sigemptyset(&watch.sa_mask);
    watch.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
        ::sigaction(kStopSignals[i], nullptr, &g_before[i]);
        g_watched[i] = g_before[i].sa_handler != SIG_IGN;
        if (g_watched[i])
            ::sigaction(kStopSignals[i], &watch, nullptr);
    }
}

StopRequests::~StopRequests() {
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        if (std::exchange(g_watched[i], false))
            ::sigaction(kStopSignals[i], &g_before[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void StopRequests::readRequests() {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        emit stopRequested(byte);
}

} // namespace platform::process
