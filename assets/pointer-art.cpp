#include "pointer-art.h"

#include "skin-painting.h"

#include <QPainterPath>

namespace skinart {

QImage PaintPointer(const SkinPalette &pal) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow(QPointF(1, 1));
    arrow.lineTo(1, 22);
    arrow.lineTo(6.5, 17);
    arrow.lineTo(10.5, 26);
    arrow.lineTo(14, 24.5);
    arrow.lineTo(10, 15.5);
    arrow.lineTo(17, 15.5);
    arrow.closeSubpath();
    p.fillPath(arrow, VerticalGradient(QRectF(0, 0, 18, 27), Lighter(pal.trim, 0.35), pal.trim));
    p.strokePath(arrow, QPen(Darker(pal.body, 0.5), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    PaintWaveMark(p, {24, 26}, 12, pal.trim);
    return image;
}

} // namespace skinart
