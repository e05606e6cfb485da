#pragma once
// Colouring the window's elements: background and text colours through their palettes.

#include <QColor>

class QWidget;

namespace colours {

// The background of a frame, list, label or button (it fills its background from then on).
void SetBack(QWidget *element, const QColor &colour);
// The text (and for a list its selection, shown in the colours reversed).
void SetFore(QWidget *element, const QColor &colour);
void Set(QWidget *element, const QColor &back, const QColor &fore);

// A stored colour value (red + 256 × green + 65536 × blue) as a colour.
QColor FromValue(int value);

} // namespace colours
