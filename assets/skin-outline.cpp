#include "skin-outline.h"

#include <QPainter>
#include <cstdlib>

namespace skinart {

QPainterPath RoundedRect(const QRectF &r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

namespace {

QPainterPath Disc(const QPointF &centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

bool NearKey(QRgb pixel, QRgb key) {
    constexpr int kMargin = 48;
    return std::abs(qRed(pixel) - qRed(key)) < kMargin && std::abs(qGreen(pixel) - qGreen(key)) < kMargin &&
           std::abs(qBlue(pixel) - qBlue(key)) < kMargin;
}

} // namespace

QPainterPath OutlinePath(const OutlineShape &shape) {
    QPainterPath path = RoundedRect(shape.body, shape.bodyRadius);
    if (!shape.header.isEmpty())
        path = path.united(RoundedRect(shape.header, shape.headerRadius));
    if (!shape.leftFoot.isEmpty()) {
        QRectF right = shape.leftFoot;
        right.moveRight(2 * shape.body.center().x() - shape.leftFoot.left());
        path = path.united(RoundedRect(shape.leftFoot, shape.footRadius))
                   .united(RoundedRect(right, shape.footRadius));
    }
    if (shape.notchRadius > 0) {
        const qreal y = shape.body.center().y();
        path = path.subtracted(Disc({shape.body.left(), y}, shape.notchRadius))
                   .subtracted(Disc({shape.body.right(), y}, shape.notchRadius));
    }
    return path.simplified();
}

OutlineShape Inset(const OutlineShape &shape, qreal by) {
    const auto shrink = [by](const QRectF &r) { return r.isEmpty() ? r : r.adjusted(by, by, -by, -by); };
    const auto radius = [by](qreal r) { return std::max<qreal>(0, r - by); };
    return {shrink(shape.body),
            radius(shape.bodyRadius),
            shrink(shape.header),
            radius(shape.headerRadius),
            shape.notchRadius > 0 ? shape.notchRadius + by : 0,
            shrink(shape.leftFoot),
            radius(shape.footRadius)};
}

void CutOutline(QImage &image, const QPainterPath &outline, const QColor &key) {
    image = image.convertToFormat(QImage::Format_RGB32);
    QImage inside(image.size(), QImage::Format_ARGB32_Premultiplied);
    inside.fill(Qt::transparent);
    {
        QPainter painter(&inside); // no antialiasing: each pixel is either in or out
        painter.fillPath(outline, Qt::white);
    }
    const QRgb keyPixel = key.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const auto *mask = reinterpret_cast<const QRgb *>(inside.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(mask[x]) == 0)
                row[x] = keyPixel;
            else if (NearKey(row[x], keyPixel))
                row[x] = Darker(QColor(row[x]), 0.5).rgb();
        }
    }
}

} // namespace skinart
