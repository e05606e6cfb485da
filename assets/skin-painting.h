#pragma once
// Painting pieces the faceplate, the panels and the icon share.

#include "skin-style.h"

#include <QLinearGradient>
#include <QPainter>

namespace skinart {

QLinearGradient VerticalGradient(const QRectF &r, const QColor &top, const QColor &bottom);

// Polished metal in the trim colour, lit from above, with a soft band of reflection across its middle.
QLinearGradient MetalGradient(const QRectF &r, const QColor &trim);

// A panel sunk into the surface around r: a bevelled lip lit from below, a dark floor and a shadow under
// its upper edge. r itself stays free for what the player shows there.
void PaintRecess(QPainter &p, const QRectF &r, qreal radius, const SkinPalette &palette);

// The radio mark: a mast whose tip sends waves to both sides. size is its overall width.
void PaintWaveMark(QPainter &p, const QPointF &centre, qreal size, const QColor &colour);

// A round-headed screw with a slot, the finishing touch on plates.
void PaintScrew(QPainter &p, const QPointF &centre, qreal radius, const SkinPalette &palette);

} // namespace skinart
