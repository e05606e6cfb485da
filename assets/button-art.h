#pragma once
// Button pictures: a plate with a symbol, drawn over what the button covers on its host picture so the
// picture sits seamlessly in its place. The rollover twin is the same button lit up.

#include "skin-style.h"
#include "skin-symbols.h"

#include <QImage>

namespace skinart {

enum class Plate {
    Raised, // rounded plate in the body colour with a trim symbol
    Round,  // the same as a disc, for the small window buttons
    Gold,   // plate in the trim colour with a body-coloured symbol, for confirming a panel
};

QImage PaintButton(const QImage &background, Symbol symbol, Plate plate, bool rollover,
                   const SkinPalette &palette);

} // namespace skinart
