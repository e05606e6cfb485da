#include "skin-painting.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace skinart {

QLinearGradient VerticalGradient(const QRectF &r, const QColor &top, const QColor &bottom) {
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QLinearGradient MetalGradient(const QRectF &r, const QColor &trim) {
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, Lighter(trim, 0.45));
    gradient.setColorAt(0.35, trim);
    gradient.setColorAt(0.5, Lighter(trim, 0.2));
    gradient.setColorAt(1, Darker(trim, 0.45));
    return gradient;
}

void PaintRecess(QPainter &p, const QRectF &r, qreal radius, const SkinPalette &palette) {
    const QRectF lip = r.adjusted(-3, -3, 3, 3);
    QPainterPath lipPath;
    lipPath.addRoundedRect(lip, radius + 3, radius + 3);
    p.fillPath(lipPath,
               VerticalGradient(lip, Darker(palette.body, 0.7), Mix(palette.body, palette.trim, 0.55)));

    const QRectF floor = r.adjusted(-1, -1, 1, 1);
    QPainterPath floorPath;
    floorPath.addRoundedRect(floor, radius + 1, radius + 1);
    p.fillPath(floorPath, VerticalGradient(floor, Darker(palette.screen, 0.4), palette.screen));
    QLinearGradient shadow(floor.topLeft(), floor.topLeft() + QPointF(0, 6));
    shadow.setColorAt(0, WithAlpha(Qt::black, 130));
    shadow.setColorAt(1, WithAlpha(Qt::black, 0));
    p.fillPath(floorPath, shadow);
}

void PaintWaveMark(QPainter &p, const QPointF &centre, qreal size, const QColor &colour) {
    const qreal line = size * 0.075;
    p.save();
    p.setPen(QPen(colour, line, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const qreal radius : {size * 0.24, size * 0.42}) {
        const QRectF arc(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        p.drawArc(arc, -40 * 16, 80 * 16);
        p.drawArc(arc, 140 * 16, 80 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, size * 0.09, size * 0.09);
    const qreal foot = size * 0.42;
    p.drawPolygon(
        QPolygonF({centre, centre + QPointF(-size * 0.13, foot), centre + QPointF(size * 0.13, foot)}));
    p.restore();
}

void PaintScrew(QPainter &p, const QPointF &centre, qreal radius, const SkinPalette &palette) {
    p.save();
    p.setPen(QPen(Darker(palette.trim, 0.6), 1));
    QRadialGradient dome(centre - QPointF(radius, radius) * 0.4, radius * 1.6);
    dome.setColorAt(0, Lighter(palette.trim, 0.5));
    dome.setColorAt(1, Darker(palette.trim, 0.4));
    p.setBrush(dome);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Darker(palette.trim, 0.65), radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    const QPointF slot = QPointF(radius, -radius) * 0.55;
    p.drawLine(centre - slot, centre + slot);
    p.restore();
}

} // namespace skinart
