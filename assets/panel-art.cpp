#include "panel-art.h"

#include "skin-layout.h"
#include "skin-painting.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace skinart {
namespace {

void PaintMast(QPainter &p, const QPointF &tip, qreal height, const QColor &colour) {
    const qreal spread = height * 0.2;
    const QPointF left = tip + QPointF(-spread, height);
    const QPointF right = tip + QPointF(spread, height);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(tip, left);
    p.drawLine(tip, right);
    constexpr int kBraces = 6;
    p.setPen(QPen(colour, 1));
    for (int i = 1; i < kBraces; ++i) {
        const qreal upper = static_cast<qreal>(i) / kBraces;
        const qreal lower = static_cast<qreal>(i + 1) / kBraces;
        const QPointF a = tip + (left - tip) * upper;
        const QPointF b = tip + (right - tip) * lower;
        p.drawLine(a, tip + (right - tip) * upper);
        p.drawLine(a, b);
    }
}

} // namespace

QImage PaintWelcome(const SkinPalette &pal) {
    QImage image(layout::kDisplay.size(), QImage::Format_RGB32);
    const QRectF r(image.rect());
    const qreal horizon = std::round(r.height() * 0.78);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, VerticalGradient(QRectF(0, 0, r.width(), horizon), Darker(pal.screen, 0.3),
                                   Mix(pal.body, pal.trim, 0.5)));
    QRadialGradient glow(QPointF(r.center().x(), horizon), r.width() * 0.45);
    glow.setColorAt(0, WithAlpha(Lighter(pal.trim, 0.3), 190));
    glow.setColorAt(1, WithAlpha(pal.trim, 0));
    p.fillRect(r, glow);

    const QPointF stars[] = {{14, 12},  {31, 30},  {48, 9},   {70, 22},  {23, 52}, {118, 14},
                             {139, 33}, {160, 10}, {168, 47}, {150, 62}, {9, 76},  {104, 6}};
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Lighter(pal.trim, 0.5), 170));
    for (const QPointF &star : stars)
        p.drawEllipse(star, 0.9, 0.9);

    const QPointF tip(r.center().x(), horizon - 64);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const qreal radius = 12 + 10 * i;
        const QRectF arc(tip - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        p.setPen(QPen(WithAlpha(Lighter(pal.trim, 0.2), 230 - 45 * i), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arc, -35 * 16, 70 * 16);
        p.drawArc(arc, 145 * 16, 70 * 16);
    }
    PaintMast(p, tip, 66, Darker(pal.body, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(Lighter(pal.trim, 0.6), 90));
    p.drawEllipse(tip, 5, 5);
    p.setBrush(Lighter(pal.trim, 0.6));
    p.drawEllipse(tip, 2.2, 2.2);

    QPainterPath hills(QPointF(0, horizon + 4));
    hills.cubicTo(r.width() * 0.25, horizon - 8, r.width() * 0.4, horizon + 2, r.width() * 0.55, horizon + 1);
    hills.cubicTo(r.width() * 0.7, horizon, r.width() * 0.8, horizon - 10, r.width(), horizon - 2);
    hills.lineTo(r.bottomRight() + QPointF(1, 1));
    hills.lineTo(r.bottomLeft() + QPointF(0, 1));
    hills.closeSubpath();
    p.fillPath(hills, VerticalGradient(QRectF(0, horizon - 10, 1, r.height() - horizon + 10),
                                       Darker(pal.body, 0.5), Darker(pal.screen, 0.4)));
    return image;
}

QImage PaintPlate(const QSize &size, qreal titleHeight, const SkinPalette &pal) {
    QImage image(size, QImage::Format_RGB32);
    const QRectF r(image.rect());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Darker(pal.trim, 0.6));
    p.fillRect(r.adjusted(1, 1, -1, -1), MetalGradient(r, pal.trim));
    p.fillRect(r.adjusted(3, 3, -3, -3), Darker(pal.trim, 0.6));
    const QRectF title(4, 4, r.width() - 8, titleHeight);
    if (titleHeight > 0) {
        p.fillRect(title,
                   VerticalGradient(title, Mix(pal.body, pal.trim, 0.24), Mix(pal.body, pal.trim, 0.06)));
        PaintWaveMark(p, {title.left() + 14, title.center().y() - 1}, 18, pal.trim);
        p.fillRect(QRectF(4, title.bottom(), r.width() - 8, 1), WithAlpha(pal.trim, 150));
    }
    // Flat, so the panel's own buttons and controls blend in wherever they sit.
    p.fillRect(QRectF(4, title.bottom() + 1, r.width() - 8, r.height() - title.bottom() - 5),
               Darker(pal.body, 0.25));
    return image;
}

// No title bar: the panels' headings sit at their top.
QImage PaintPanel(const SkinPalette &pal) { return PaintPlate(layout::kPanel.size(), 0, pal); }

namespace {

// The icon's plate with the radio mark, its waves as bright and as wide as asked.
QImage PaintIconWith(const SkinPalette &pal, qreal markSize, qreal brightness) {
    QImage image(layout::kIcon, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRectF plate = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(plate, 7, 7);
    p.fillPath(path, VerticalGradient(plate, Mix(pal.body, pal.trim, 0.25), Darker(pal.body, 0.3)));
    p.strokePath(path, QPen(QBrush(MetalGradient(plate, pal.trim)), 1.5));
    PaintWaveMark(p, {plate.center().x(), plate.center().y() - 3}, markSize, Lighter(pal.trim, brightness));
    return image;
}

} // namespace

QImage PaintIcon(const SkinPalette &pal) { return PaintIconWith(pal, 25, 0.25); }

QImage PaintFlashFrame(const SkinPalette &pal, int frame) {
    // The waves pulse: each frame a little wider and brighter than the one before.
    return PaintIconWith(pal, 19 + 2.5 * frame, 0.1 + 0.2 * frame);
}

} // namespace skinart
