#include "skin-symbols.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace skinart {
namespace {

QRectF CentredSquare(const QRectF &box) {
    const qreal side = std::min(box.width(), box.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(box.center());
    return square;
}

// A point given in fractions of r.
QPointF At(const QRectF &r, qreal x, qreal y) { return {r.left() + x * r.width(), r.top() + y * r.height()}; }

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(const QRectF &r) {
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

QPainterPath RoundedRect(const QRectF &r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// Strokes a line through points with round ends, as a filled area.
QPainterPath Stroke(std::initializer_list<QPointF> points, qreal width) {
    QPainterPath line;
    line.addPolygon(QPolygonF(points));
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath Ring(const QRectF &outer, qreal thickness) {
    return Ellipse(outer).subtracted(Ellipse(outer.adjusted(thickness, thickness, -thickness, -thickness)));
}

QPainterPath Sliders(const QRectF &s) {
    const qreal d = s.width();
    const qreal knobs[] = {0.3, 0.72, 0.48};
    QPainterPath path;
    for (int i = 0; i < 3; ++i) {
        const qreal y = s.top() + d * (0.17 + 0.33 * i);
        QRectF knob(0, 0, d * 0.26, d * 0.3);
        knob.moveCenter({s.left() + d * knobs[i], y});
        path = path.united(RoundedRect({s.left(), y - d * 0.06, d, d * 0.12}, d * 0.06))
                   .united(RoundedRect(knob, d * 0.07));
    }
    return path;
}

// Bars on whole pixels: at button size, bars that straddle pixels blur into a smear.
QPainterPath Waveform(const QRectF &s) {
    const qreal heights[] = {0.4, 0.8, 0.55, 1.0, 0.45};
    const int count = std::size(heights);
    const qreal pitch = s.width() / count;
    const qreal width = std::max<qreal>(1, std::round(pitch * 0.6));
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal h = std::round(s.height() * heights[i]);
        const QRectF bar(std::round(s.left() + i * pitch + (pitch - width) / 2),
                         std::round(s.center().y() - h / 2), width, h);
        path.addRoundedRect(bar, width / 2, width / 2);
    }
    return path;
}

QPainterPath Info(const QRectF &s) {
    const qreal d = s.width();
    QPainterPath letter =
        Ellipse({At(s, 0.5, 0.3) - QPointF(d * 0.09, d * 0.09), QSizeF(d * 0.18, d * 0.18)});
    letter.addRect(QRectF(At(s, 0.41, 0.44), At(s, 0.59, 0.76)));
    return Ring(s, d * 0.11).united(letter);
}

} // namespace

QPainterPath SymbolPath(Symbol symbol, const QRectF &box) {
    const QRectF s = CentredSquare(box);
    const qreal d = s.width();
    switch (symbol) {
    case Symbol::Play:
        return Polygon({At(s, 0.12, 0), At(s, 0.12, 1), At(s, 0.98, 0.5)});
    case Symbol::Stop:
        return RoundedRect(s.adjusted(d * 0.08, d * 0.08, -d * 0.08, -d * 0.08), d * 0.1);
    case Symbol::Record:
        return Ellipse(s);
    case Symbol::RecordStop:
        return Ring(s, d * 0.13).united(RoundedRect({At(s, 0.33, 0.33), At(s, 0.67, 0.67)}, d * 0.04));
    case Symbol::Sliders:
        return Sliders(s);
    case Symbol::Waveform:
        return Waveform(s);
    case Symbol::Info:
        return Info(s);
    case Symbol::ArrowUp:
        return Polygon({At(box, 0, 1), At(box, 1, 1), At(box, 0.5, 0)});
    case Symbol::ArrowDown:
        return Polygon({At(box, 0, 0), At(box, 1, 0), At(box, 0.5, 1)});
    case Symbol::Cross:
        return Stroke({At(s, 0.1, 0.1), At(s, 0.9, 0.9)}, d * 0.2)
            .united(Stroke({At(s, 0.9, 0.1), At(s, 0.1, 0.9)}, d * 0.2));
    case Symbol::Bar:
        return RoundedRect({At(box, 0, 0.7), At(box, 1, 1)}, box.height() * 0.12);
    case Symbol::Check:
        return Stroke({At(box, 0.08, 0.55), At(box, 0.38, 0.88), At(box, 0.92, 0.12)}, box.height() * 0.22);
    }
    return {};
}

} // namespace skinart
