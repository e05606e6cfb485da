#include "player/now-playing/now-playing-line.h"

#include <QFontMetrics>
#include <QPainter>

namespace now_playing {

namespace {

constexpr int kSlideIntervalMs = 30;
// Blank space between the end of the text and its start coming round again.
constexpr int kGapPixels = 40;

} // namespace

NowPlayingLine::NowPlayingLine(QWidget *parent) : QWidget(parent) {
    setAutoFillBackground(true);
    // Clicks go to the display area under it (its menu).
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_slide.setInterval(kSlideIntervalMs);
    connect(&m_slide, &QTimer::timeout, this, [this] {
        m_offset = (m_offset + 1) % (textWidth() + kGapPixels);
        update();
    });
    hide();
}

void NowPlayingLine::setText(const QString &text) {
    m_text = text;
    setToolTip(text);
    setVisible(!text.isEmpty());
    restart();
}

int NowPlayingLine::textWidth() const { return fontMetrics().horizontalAdvance(m_text); }

void NowPlayingLine::restart() {
    m_offset = 0;
    if (!m_text.isEmpty() && textWidth() > width())
        m_slide.start();
    else
        m_slide.stop();
    update();
}

void NowPlayingLine::resizeEvent(QResizeEvent *) { restart(); }

void NowPlayingLine::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const int baseline = (height() + fontMetrics().ascent() - fontMetrics().descent()) / 2;
    painter.drawText(-m_offset, baseline, m_text);
    if (m_slide.isActive())
        painter.drawText(textWidth() + kGapPixels - m_offset, baseline, m_text);
}

} // namespace now_playing
