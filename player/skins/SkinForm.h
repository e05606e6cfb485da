#pragma once
// SkinForm: cuts the main window's outline out of its main picture (see skins/window-shape.h).

#include <cstdint>

class QWidget;
class PictureBox;

namespace SkinForm {

// Makes `picture`'s image the window's background and size, gives the window the outline of the
// image's non-key pixels (a `key` below 1 becomes the top-left pixel's colour value), then clears
// `picture`. The window is hidden meanwhile and shown again if it was shown. An all-key picture leaves the
// window invisible.
void ApplyWindowShape(QWidget &window, PictureBox &picture, std::int32_t &key);

} // namespace SkinForm
