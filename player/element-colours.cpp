#include "player/element-colours.h"

#include <QWidget>

namespace colours {

void SetBack(QWidget *element, const QColor &colour) {
    QPalette palette = element->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, colour);
    palette.setColor(QPalette::HighlightedText, colour);
    element->setPalette(palette);
    element->setAutoFillBackground(true);
}

void SetFore(QWidget *element, const QColor &colour) {
    QPalette palette = element->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Link})
        palette.setColor(role, colour);
    palette.setColor(QPalette::Highlight, colour);
    element->setPalette(palette);
}

void Set(QWidget *element, const QColor &back, const QColor &fore) {
    SetBack(element, back);
    SetFore(element, fore);
}

QColor FromValue(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

} // namespace colours
