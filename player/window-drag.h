#pragma once
// Dragging a frameless window by its face: the window system moves it when it can (as a caption
// drag would), otherwise the window follows the pointer itself.

#include <QPoint>

class QMouseEvent;
class QWidget;

class WindowDrag {
public:
    void press(QWidget &window, const QMouseEvent &event);
    void move(QWidget &window, const QMouseEvent &event) const;

private:
    QPoint m_offset;
    bool m_manual = false;
};
