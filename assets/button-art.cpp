#include "button-art.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace skinart {
namespace {

struct PlateColours {
    QColor top, bottom, rim, shine, ink, glow;
};

PlateColours ColoursFor(Plate plate, bool rollover, const SkinPalette &pal) {
    if (plate == Plate::Gold) {
        return rollover ? PlateColours{Lighter(pal.trim, 0.6), Lighter(pal.trim, 0.1),
                                       Lighter(pal.trim, 0.7), WithAlpha(Qt::white, 200),
                                       Darker(pal.body, 0.2),  WithAlpha(Qt::white, 120)}
                        : PlateColours{Lighter(pal.trim, 0.25),
                                       Darker(pal.trim, 0.3),
                                       Darker(pal.trim, 0.5),
                                       WithAlpha(Qt::white, 110),
                                       pal.body,
                                       QColor()};
    }
    return rollover ? PlateColours{Mix(pal.body, pal.trim, 0.34), Mix(pal.body, pal.trim, 0.08),
                                   Lighter(pal.trim, 0.35),       WithAlpha(Lighter(pal.trim, 0.5), 120),
                                   Lighter(pal.trim, 0.6),        pal.trim}
                    : PlateColours{Mix(pal.body, pal.trim, 0.2),
                                   Darker(pal.body, 0.3),
                                   Mix(pal.trim, pal.body, 0.45),
                                   WithAlpha(Lighter(pal.trim, 0.2), 70),
                                   pal.trim,
                                   QColor()};
}

QPainterPath PlatePath(Plate plate, const QRectF &bounds) {
    QPainterPath path;
    const QRectF face = bounds.adjusted(0.5, 0.5, -0.5, -0.5);
    if (plate == Plate::Round) {
        const qreal side = std::min(face.width(), face.height());
        QRectF disc(0, 0, side, side);
        disc.moveCenter(face.center());
        path.addEllipse(disc);
    } else {
        const qreal radius = std::min(plate == Plate::Gold ? 7.0 : 4.0, face.height() * 0.3);
        path.addRoundedRect(face, radius, radius);
    }
    return path;
}

// The symbol's box in whole pixels, so straight symbol edges stay crisp.
QRectF SymbolBox(Plate plate, const QSize &size) {
    const QSizeF share = plate == Plate::Gold ? QSizeF(0.32, 0.55) : QSizeF(0.45, 0.5);
    const qreal w = std::round(size.width() * share.width());
    const qreal h = std::round(size.height() * share.height());
    return {std::round((size.width() - w) / 2), std::round((size.height() - h) / 2), w, h};
}

} // namespace

QImage PaintButton(const QImage &background, Symbol symbol, Plate plate, bool rollover,
                   const SkinPalette &palette) {
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    const QRectF bounds(image.rect());
    const PlateColours c = ColoursFor(plate, rollover, palette);
    const QPainterPath face = PlatePath(plate, bounds);
    const QPainterPath mark = SymbolPath(symbol, SymbolBox(plate, image.size()));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, c.top);
    fill.setColorAt(1, c.bottom);
    p.fillPath(face, fill);
    p.setClipPath(face);
    p.strokePath(face.translated(0, 1), QPen(c.shine, 1)); // light catching the upper edge
    if (c.glow.isValid()) {
        for (const auto &[width, alpha] : {std::pair{6.0, 35}, {3.5, 70}})
            p.strokePath(mark,
                         QPen(WithAlpha(c.glow, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.setClipping(false);
    p.strokePath(face, QPen(c.rim, 1));
    p.fillPath(mark, c.ink);
    return image;
}

} // namespace skinart
