#pragma once
// The skin's pictures besides the faceplate and the buttons: the welcome picture shown in the display
// area, the background of the settings and About panels, and the program's window icon.

#include "skin-style.h"

#include <QImage>

namespace skinart {

QImage PaintWelcome(const SkinPalette &palette);
QImage PaintPanel(const SkinPalette &palette);
// A plate of `size` with a metal rim and, when `titleHeight` is above 0, a title bar that high carrying
// the radio mark: the
// face of the panels and of the recording hint window.
QImage PaintPlate(const QSize &size, qreal titleHeight, const SkinPalette &palette);
QImage PaintIcon(const SkinPalette &palette); // with a transparent surround
// One of the five frames (0–4) the icon flickers through while a station plays.
QImage PaintFlashFrame(const SkinPalette &palette, int frame);

} // namespace skinart
