#pragma once
// The pointer the player shows over its picture buttons and its help line: an arrow in the trim
// colour with a small radio mark. Its hot spot is the tip, at (1, 1).

#include "skin-style.h"

#include <QImage>

namespace skinart {

QImage PaintPointer(const SkinPalette &palette);

} // namespace skinart
