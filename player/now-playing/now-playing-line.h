#pragma once
// The song title across the top of the display area, in the skin's colours: hidden while there is
// none, still when it fits, sliding one pixel every 30 ms (and around again) when it does not.

#include <QTimer>
#include <QWidget>

namespace now_playing {

class NowPlayingLine : public QWidget {
    Q_OBJECT
public:
    explicit NowPlayingLine(QWidget *parent);

    QString text() const { return m_text; }
    // Shows `text` from its start; an empty text hides the line.
    void setText(const QString &text);
    // How far the text has slid, in pixels; 0 while it fits.
    int offset() const { return m_offset; }
    bool sliding() const { return m_slide.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void restart();
    int textWidth() const;

    QString m_text;
    int m_offset = 0;
    QTimer m_slide;
};

} // namespace now_playing
