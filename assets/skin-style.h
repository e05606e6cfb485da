#pragma once
// The colours and window outline one skin is drawn in. Every image of a skin derives from one style, so a
// new look needs only a new style.

#include <QColor>
#include <QRectF>

namespace skinart {

struct SkinPalette {
    QColor body;   // faceplate surface
    QColor trim;   // metal trim, rims and symbols
    QColor screen; // floor of the recessed panels
    QColor key;    // fills everything outside the window outline; the player cuts that colour away
};

// A rounded body, a raised header over it, half-round notches in the body's sides and two feet under it.
// The right foot mirrors the left one about the body's centre.
struct OutlineShape {
    QRectF body;
    qreal bodyRadius = 0;
    QRectF header;
    qreal headerRadius = 0;
    qreal notchRadius = 0; // 0 for no notches
    QRectF leftFoot;       // empty for no feet
    qreal footRadius = 0;
};

struct SkinStyle {
    SkinPalette palette;
    OutlineShape outline;
    // The faceplate shows the buttons at rest where the built-in layout puts them; a skin whose layout
    // line moves them a little leaves them off, so no copy peeks out beside a moved button.
    bool buttonsOnFaceplate = true;
};

// t = 0 gives a, t = 1 gives b. Shades are mixed this way so four palette colours are enough for a skin.
QColor Mix(const QColor &a, const QColor &b, qreal t);
inline QColor Darker(const QColor &c, qreal t) { return Mix(c, Qt::black, t); }
inline QColor Lighter(const QColor &c, qreal t) { return Mix(c, Qt::white, t); }
inline QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

} // namespace skinart
