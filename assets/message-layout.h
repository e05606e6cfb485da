#pragma once
// The recording hint window: its picture's size and the spots the window's own elements take on it,
// in pixels. The picture leaves those spots free.

#include <QRect>

namespace skinart::message {

inline constexpr QSize kSize{480, 330};
inline constexpr QRect kClose{450, 7, 15, 15};         // the close button
inline constexpr QRect kOpenLink{36, 222, 300, 20};    // "Open the recording control"
inline constexpr QRect kDoNotShow{36, 258, 360, 20};   // the check box and its line
inline constexpr QRect kSupportLine{36, 292, 400, 20}; // the support address

} // namespace skinart::message
