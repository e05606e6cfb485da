#include "faceplate.h"

#include "skin-layout.h"
#include "skin-outline.h"
#include "skin-painting.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace skinart {
namespace {

// The body in bands from the edge inwards: a dark bronze line, a metal rim, a shadow line, the surface.
void PaintBody(QPainter &p, const SkinStyle &style) {
    const SkinPalette &pal = style.palette;
    const QRectF bounds = OutlinePath(style.outline).boundingRect();
    p.fillPath(OutlinePath(style.outline), Darker(pal.trim, 0.6));
    p.fillPath(OutlinePath(Inset(style.outline, 1)), MetalGradient(bounds, pal.trim));
    p.fillPath(OutlinePath(Inset(style.outline, 4)), Darker(pal.body, 0.55));
    const QPainterPath surface = OutlinePath(Inset(style.outline, 5.5));
    p.fillPath(surface, VerticalGradient(bounds, Mix(pal.body, pal.trim, 0.14), Darker(pal.body, 0.35)));
    QRadialGradient sheen(bounds.topLeft() + QPointF(bounds.width() * 0.3, 0), bounds.width() * 0.6);
    sheen.setColorAt(0, WithAlpha(Qt::white, 28));
    sheen.setColorAt(1, WithAlpha(Qt::white, 0));
    p.fillPath(surface, sheen);
    p.strokePath(OutlinePath(Inset(style.outline, 14)), QPen(WithAlpha(pal.trim, 80), 1));
}

// The raised header carries a lit emblem between grooved bars.
void PaintHeader(QPainter &p, const SkinStyle &style) {
    const OutlineShape &shape = style.outline;
    if (shape.header.isEmpty())
        return;
    const SkinPalette &pal = style.palette;
    const QRectF plaque(shape.header.left() + 40, shape.header.top() + 18, shape.header.width() - 80,
                        shape.body.top() - shape.header.top() - 6);
    PaintRecess(p, plaque, plaque.height() / 2 - 3, pal);
    const QPointF centre = plaque.center();
    const qreal size = plaque.height() * 1.05;
    p.setPen(QPen(WithAlpha(pal.trim, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre - QPointF(size * 0.5, size * 0.5), QSizeF(size, size)), 0, 360 * 16);
    PaintWaveMark(p, centre, size * 0.85, Lighter(pal.trim, 0.2));
    for (const int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const qreal y = centre.y() - 6 + 6 * i;
            const qreal inner = centre.x() + side * size * 0.75;
            const qreal outer = centre.x() + side * (plaque.width() / 2 - plaque.height() * 0.55);
            p.setPen(QPen(WithAlpha(pal.trim, 150 - 40 * std::abs(i - 1)), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(inner, y), QPointF(outer, y));
        }
    }
}

// A round speaker grille: perforated metal mesh behind a bevelled ring, a badge in the middle.
void PaintSpeaker(QPainter &p, const QPointF &centre, qreal radius, const SkinPalette &pal) {
    const QRectF ring(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    p.setPen(Qt::NoPen);
    p.setBrush(MetalGradient(ring, pal.trim));
    p.drawEllipse(ring);
    p.setBrush(VerticalGradient(ring, Darker(pal.body, 0.7), Mix(pal.body, pal.trim, 0.4)));
    p.drawEllipse(centre, radius - 3, radius - 3);
    p.setBrush(Mix(pal.body, pal.trim, 0.18));
    p.drawEllipse(centre, radius - 6, radius - 6);

    constexpr qreal kPitch = 8;
    const qreal row = kPitch * std::sqrt(3.0) / 2;
    const int count = static_cast<int>(radius / row);
    p.setBrush(Darker(pal.screen, 0.5));
    for (int j = -count; j <= count; ++j) {
        const qreal shift = (j % 2 == 0) ? 0 : kPitch / 2;
        for (int i = -count; i <= count; ++i) {
            const QPointF hole = centre + QPointF(i * kPitch + shift, j * row);
            if (QLineF(centre, hole).length() < radius - 10)
                p.drawEllipse(hole, 2.4, 2.4);
        }
    }
    QRadialGradient depth(centre, radius);
    depth.setColorAt(0.7, WithAlpha(Qt::black, 0));
    depth.setColorAt(1, WithAlpha(Qt::black, 120));
    p.setBrush(depth);
    p.drawEllipse(centre, radius - 6, radius - 6);

    const qreal badge = radius * 0.26;
    p.setPen(QPen(Darker(pal.trim, 0.55), 1));
    p.setBrush(MetalGradient(QRectF(centre - QPointF(badge, badge), QSizeF(2 * badge, 2 * badge)), pal.trim));
    p.drawEllipse(centre, badge, badge);
    PaintWaveMark(p, centre, badge * 1.5, pal.body);
}

// Slotted vents in a bevelled frame.
void PaintVents(QPainter &p, const QRectF &frame, const SkinPalette &pal) {
    PaintRecess(p, frame, 6, pal);
    constexpr qreal kPitch = 11;
    const int slotCount = static_cast<int>((frame.height() - 8) / kPitch);
    const qreal top = frame.center().y() - (slotCount - 1) * kPitch / 2;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < slotCount; ++i) {
        const QRectF slot(frame.left() + 10, top + i * kPitch - 2.5, frame.width() - 20, 5);
        p.setBrush(WithAlpha(pal.trim, 110));
        p.drawRoundedRect(slot.translated(0, 1.5), 2.5, 2.5);
        p.setBrush(Darker(pal.screen, 0.6));
        p.drawRoundedRect(slot, 2.5, 2.5);
    }
}

// The plate under all controls, with wells for the buttons and sunken panels for the display and lists.
void PaintDeck(QPainter &p, const SkinPalette &pal) {
    const QRectF deck(layout::kDeck);
    p.fillPath(RoundedRect(deck.adjusted(-3, -3, 3, 3), 19), MetalGradient(deck, pal.trim));
    p.fillPath(RoundedRect(deck, 16), VerticalGradient(deck, Darker(pal.body, 0.1), Darker(pal.body, 0.45)));
    p.strokePath(RoundedRect(deck.adjusted(0.5, 0.5, -0.5, -0.5), 16), QPen(Darker(pal.body, 0.7), 1));

    const qreal titleY = layout::kMinimize.center().y() + 0.5;
    PaintWaveMark(p, {deck.left() + 24, titleY - 2}, 22, pal.trim);
    for (const qreal dy : {-2.5, 2.5}) {
        p.setPen(QPen(WithAlpha(pal.trim, 110), 1));
        p.drawLine(QPointF(deck.left() + 44, titleY + dy),
                   QPointF(layout::kMinimize.left() - 12, titleY + dy));
    }

    for (const QRect &panel : {layout::kDisplay, layout::kTicker, layout::kStationList})
        PaintRecess(p, panel, 3, pal);
    PaintRecess(p, layout::kStationCount, 1, pal);
    for (const layout::ButtonSpec &button : layout::kButtons) {
        if (button.host != layout::Host::Main || button.alternate)
            continue;
        const QRectF well = QRectF(button.rect).adjusted(-2, -2, 2, 2);
        const qreal radius = button.plate == Plate::Round ? well.width() / 2 : 5;
        p.fillPath(RoundedRect(well, radius), Darker(pal.body, 0.7));
    }
}

// A tuning scale under the deck: fine ticks and a lit needle.
void PaintDial(QPainter &p, const QRectF &strip, const SkinPalette &pal) {
    PaintRecess(p, strip, 4, pal);
    constexpr int kStep = 7;
    const int ticks = static_cast<int>((strip.width() - 16) / kStep);
    const qreal left = std::round(strip.center().x() - ticks * kStep / 2.0) + 0.5;
    for (int i = 0; i <= ticks; ++i) {
        const bool major = i % 5 == 0;
        p.setPen(QPen(WithAlpha(pal.trim, major ? 200 : 110), 1));
        const qreal x = left + i * kStep;
        p.drawLine(QPointF(x, strip.bottom() - (major ? 13 : 7)), QPointF(x, strip.bottom() - 3));
    }
    const qreal needle = left + std::round(ticks * 0.62) * kStep;
    p.setPen(QPen(WithAlpha(Lighter(pal.trim, 0.3), 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(needle, strip.top() + 4), QPointF(needle, strip.bottom() - 3));
    p.setPen(QPen(Lighter(pal.trim, 0.5), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(needle, strip.top() + 4), QPointF(needle, strip.bottom() - 3));
}

} // namespace

QImage PaintFaceplate(const SkinStyle &style) {
    const SkinPalette &pal = style.palette;
    const QRectF body = style.outline.body;
    const QRectF deck(layout::kDeck);
    QImage image(layout::kMain, QImage::Format_RGB32);
    image.fill(Darker(pal.trim, 0.6));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    PaintBody(p, style);
    PaintHeader(p, style);
    // Side columns level with the deck: a speaker over short vents on the left, tall vents on the right.
    const qreal columnTop = deck.top() + 14;
    const qreal columnBottom = deck.bottom() - 14;
    const qreal ventWidth = body.right() - deck.right() - 42;
    const qreal leftCentre = (body.left() + deck.left()) / 2;
    const qreal speakerRadius = std::min<qreal>(62, (deck.left() - body.left()) / 2 - 22);
    PaintSpeaker(p, {leftCentre, columnTop + speakerRadius}, speakerRadius, pal);
    const qreal shortTop = columnTop + 2 * speakerRadius + 22;
    PaintVents(p, QRectF(leftCentre - ventWidth / 2, shortTop, ventWidth, columnBottom - shortTop), pal);
    PaintVents(p, QRectF(deck.right() + 18, columnTop, ventWidth, columnBottom - columnTop), pal);
    PaintDeck(p, pal);
    PaintDial(p, QRectF(deck.left() + 12, deck.bottom() + 18, deck.width() - 24, 26), pal);
    for (const int side : {-1, 1}) {
        const qreal x = body.center().x() + side * (body.width() / 2 - 40);
        PaintScrew(p, {x, body.top() + 40}, 6, pal);
        PaintScrew(p, {x, body.bottom() - 40}, 6, pal);
    }
    return image;
}

} // namespace skinart
