#pragma once
// The face of the recording hint window: how recording works on this system, in words.

#include "skin-style.h"

#include <QImage>

namespace skinart {

QImage PaintMessage(const SkinPalette &palette);

} // namespace skinart
