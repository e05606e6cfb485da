#pragma once
// The process's one libVLC instance, shared by every media player control and the MCI devices.
// Creating it loads libVLC's plugins, so it is made once and kept while anyone uses it.

#include <memory>
#include <stdexcept>

struct libvlc_instance_t;

namespace platform::media {

// Thrown where a media player cannot be built because libVLC cannot start (library or plugins
// missing).
class EngineUnavailable : public std::runtime_error {
public:
    EngineUnavailable();
};

// The shared instance, created on first use and released when the last holder lets go; null when
// libVLC cannot start (the library's plugins are missing or broken). Every access libVLC creates
// through it is checked by the access guard. GUI thread.
std::shared_ptr<libvlc_instance_t> SharedEngine();

// Whether libVLC can start here; the player asks this before it builds a window that plays.
bool EngineAvailable();

} // namespace platform::media
