#pragma once
// The programs draw on X11: the shaped window, the window drag and the embedded video need it. Under a
// Wayland session they run through XWayland unless the user named a platform.

namespace platform::startup {

// Sets QT_QPA_PLATFORM to "xcb" when the session is Wayland (XDG_SESSION_TYPE is "wayland" or
// WAYLAND_DISPLAY is set) and QT_QPA_PLATFORM is unset or empty. Call before the QApplication is made.
void ChooseX11UnderWayland();

} // namespace platform::startup
