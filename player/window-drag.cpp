#include "player/window-drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void WindowDrag::press(QWidget &window, const QMouseEvent &event) {
    m_manual = window.windowHandle() == nullptr || !window.windowHandle()->startSystemMove();
    m_offset = event.globalPosition().toPoint() - window.frameGeometry().topLeft();
}

void WindowDrag::move(QWidget &window, const QMouseEvent &event) const {
    if (m_manual && (event.buttons() & Qt::LeftButton))
        window.move(event.globalPosition().toPoint() - m_offset);
}
