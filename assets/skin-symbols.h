#pragma once
// The symbols on the skin's buttons, built from shapes alone so the pictures never depend on fonts.

#include <QPainterPath>
#include <QRectF>

namespace skinart {

enum class Symbol {
    Play,
    Stop,
    Record,
    RecordStop,
    Sliders,
    Waveform,
    Info,
    ArrowUp,
    ArrowDown,
    Cross,
    Bar,
    Check
};

// The symbol as a filled area fitted into box. Square symbols take the largest centred square of box;
// arrows, the bar and the check mark use its full width.
QPainterPath SymbolPath(Symbol symbol, const QRectF &box);

} // namespace skinart
