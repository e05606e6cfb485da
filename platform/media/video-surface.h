#pragma once
// Where libVLC draws the control's video: a native child window of its own, black while no picture
// plays (audio-only streams leave it so). Mouse presses pass on to the control.

#include <QWidget>

namespace platform::media {

class VideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget *parent);

    // The native window to hand to libVLC; 0 where windows are not X11 windows, since libVLC can
    // draw into nothing else here. Makes the surface a native window, and from then on native
    // child windows in the program no longer turn their siblings native.
    WId videoWindow();
};

} // namespace platform::media
