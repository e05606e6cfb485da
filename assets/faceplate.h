#pragma once
// The main picture before its buttons are set in and before the outline is cut.

#include "skin-style.h"

#include <QImage>

namespace skinart {

QImage PaintFaceplate(const SkinStyle &style);

} // namespace skinart
