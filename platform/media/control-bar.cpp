#include "platform/media/control-bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

namespace platform::media {

namespace {

// The mini bar stays within the 2 pixels that the main window's holder shows less of the control at
// its short height, and wholly below the holder at its tall height (140 and 184 pixels in 138).
constexpr int kMiniHeight = 22;
constexpr int kFullHeight = 30;

QToolButton *MediaButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &name) {
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    return button;
}

} // namespace

ControlBar::ControlBar(QWidget *parent)
    : QWidget(parent), m_volume(new QSlider(Qt::Horizontal, this)),
      m_play(MediaButton(this, QStyle::SP_MediaPlay, QStringLiteral("playButton"))),
      m_stop(MediaButton(this, QStyle::SP_MediaStop, QStringLiteral("stopButton"))),
      m_elapsed(new QLabel(this)) {
    setObjectName(QStringLiteral("controlBar"));
    setAutoFillBackground(true);
    m_volume->setObjectName(QStringLiteral("volumeSlider"));
    m_volume->setRange(0, 100);
    m_volume->setToolTip(tr("Volume"));
    m_elapsed->setObjectName(QStringLiteral("elapsedTime"));
    setElapsed(0);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_play);
    layout->addWidget(m_stop);
    layout->addWidget(m_volume, 1);
    layout->addWidget(m_elapsed);

    connect(m_volume, &QSlider::valueChanged, this, &ControlBar::volumeMoved);
    connect(m_play, &QToolButton::clicked, this, &ControlBar::playClicked);
    connect(m_stop, &QToolButton::clicked, this, &ControlBar::stopClicked);
    setMode(Mode::Mini);
}

void ControlBar::setMode(Mode mode) {
    const bool full = mode == Mode::Full;
    m_play->setVisible(full);
    m_stop->setVisible(full);
    m_elapsed->setVisible(full);
    setVisible(mode != Mode::None);
}

int ControlBar::heightFor(Mode mode) {
    switch (mode) {
    case Mode::Mini:
        return kMiniHeight;
    case Mode::Full:
        return kFullHeight;
    case Mode::None:
        break;
    }
    return 0;
}

void ControlBar::setVolume(int volume) {
    const QSignalBlocker quiet(m_volume);
    m_volume->setValue(volume);
}

void ControlBar::setElapsed(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    const auto twoDigits = [](qint64 value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    m_elapsed->setText(seconds >= 3600
                           ? QStringLiteral("%1:%2:%3")
                                 .arg(seconds / 3600)
                                 .arg(twoDigits(seconds / 60 % 60), twoDigits(seconds % 60))
                           : QStringLiteral("%1:%2").arg(seconds / 60).arg(twoDigits(seconds % 60)));
}

} // namespace platform::media
