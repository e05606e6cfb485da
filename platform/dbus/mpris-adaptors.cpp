#include "platform/dbus/mpris-adaptors.h"

#include "platform/dbus/mpris.h"

#include <algorithm>
#include <cmath>

namespace platform::dbus {

namespace {

void Call(const std::function<void()> &hook) {
    if (hook)
        hook();
}

} // namespace

MprisRootAdaptor::MprisRootAdaptor(Mpris *mpris) : QDBusAbstractAdaptor(mpris), m_mpris(mpris) {}

QString MprisRootAdaptor::desktopEntry() const { return m_mpris->desktopEntry(); }
void MprisRootAdaptor::Raise() { Call(m_mpris->hooks().raise); }
void MprisRootAdaptor::Quit() { Call(m_mpris->hooks().quit); }

MprisPlayerAdaptor::MprisPlayerAdaptor(Mpris *mpris) : QDBusAbstractAdaptor(mpris), m_mpris(mpris) {}

QString MprisPlayerAdaptor::playbackStatus() const { return m_mpris->playbackStatus(); }
QVariantMap MprisPlayerAdaptor::metadata() const { return m_mpris->metadata(); }
double MprisPlayerAdaptor::volume() const { return m_mpris->volume(); }
bool MprisPlayerAdaptor::canGo() const { return m_mpris->canGo(); }

void MprisPlayerAdaptor::setVolume(double volume) {
    if (!m_mpris->hooks().setVolume || std::isnan(volume))
        return;
    // MPRIS allows values above 1 and below 0; the volume bar ends at 0 and 100.
    m_mpris->hooks().setVolume(static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 100)));
}

void MprisPlayerAdaptor::Play() { Call(m_mpris->hooks().play); }
void MprisPlayerAdaptor::Pause() { Call(m_mpris->hooks().pause); }
void MprisPlayerAdaptor::PlayPause() { Call(m_mpris->hooks().playPause); }
void MprisPlayerAdaptor::Stop() { Call(m_mpris->hooks().stop); }
void MprisPlayerAdaptor::Next() { Call(m_mpris->hooks().next); }
void MprisPlayerAdaptor::Previous() { Call(m_mpris->hooks().previous); }

} // namespace platform::dbus
