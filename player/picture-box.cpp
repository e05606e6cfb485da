#include "player/picture-box.h"

#include <QMouseEvent>

PictureBox::PictureBox(QWidget *parent) : QLabel(parent) {
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(0, 0, 0, 0);
}

void PictureBox::setPicture(const QPixmap &picture) {
    m_picture = picture;
    setPixmap(picture);
    resize(picture.size());
}

void PictureBox::mousePressEvent(QMouseEvent *event) {
    // The press grabs the mouse implicitly, so the release arrives here even off the element.
    emit MouseDown(event->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    emit MouseUp(event->button());
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void PictureBox::mouseMoveEvent(QMouseEvent *) { emit MouseMove(); }
