#pragma once
// The window outline of the main picture and the cut that keys out everything beyond it.

#include "skin-style.h"

#include <QImage>
#include <QPainterPath>

namespace skinart {

// A rectangle with rounded corners as a path.
QPainterPath RoundedRect(const QRectF &r, qreal radius);

QPainterPath OutlinePath(const OutlineShape &shape);

// The same outline moved inwards by the given distance, for bevels and pinstripes that follow the edge.
OutlineShape Inset(const OutlineShape &shape, qreal by);

// Paints every pixel outside the outline in exactly the key colour, without antialiasing, so the player's
// colour-keyed cut follows the outline pixel for pixel. Pixels inside that come close to the key are
// darkened, so no part of the faceplate is mistaken for the cut-out.
void CutOutline(QImage &image, const QPainterPath &outline, const QColor &key);

} // namespace skinart
