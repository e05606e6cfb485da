#pragma once
// The media player control's own bar along its bottom edge. "mini" is a slim volume bar; "full"
// holds play, stop, the volume slider and the elapsed time; "none" shows no bar.

#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;

namespace platform::media {

class ControlBar : public QWidget {
    Q_OBJECT
public:
    enum class Mode { None, Mini, Full };

    explicit ControlBar(QWidget *parent);

    // Shows the parts of `mode`; the owner gives the bar heightFor(mode) pixels.
    void setMode(Mode mode);
    static int heightFor(Mode mode);

    // Moves the slider to `volume` (0 to 100) without raising volumeMoved.
    void setVolume(int volume);
    // Shows `milliseconds` as the elapsed time ("m:ss", "h:mm:ss" from an hour on).
    void setElapsed(qint64 milliseconds);

signals:
    // The listener moved the volume slider.
    void volumeMoved(int volume);
    void playClicked();
    void stopClicked();

private:
    QSlider *m_volume;
    QToolButton *m_play;
    QToolButton *m_stop;
    QLabel *m_elapsed;
};

} // namespace platform::media
