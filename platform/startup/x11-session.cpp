#include "platform/startup/x11-session.h"

#include <QByteArray>
#include <QtGlobal>

namespace platform::startup {

void ChooseX11UnderWayland() {
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE").toLower() == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace platform::startup
