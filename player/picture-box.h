#pragma once
// A picture element: shows one image at the image's own size with no border, and reports mouse
// presses, releases and clicks with the button that caused them.

#include <QLabel>
#include <QPixmap>

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Shows the image and takes its size.
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

signals:
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button);
    // The pointer moved over the element (with mouse tracking on, also with no button held).
    void MouseMove();
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};
