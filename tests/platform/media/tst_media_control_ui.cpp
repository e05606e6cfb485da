// What the media player control shows and hears on the X server: the mini and full bars at the
// heights the main window uses to show and hide the volume bar, the volume slider, video drawn into
// the control (to its size or stretched), audio-only streams leaving it black, and real mouse
// presses over the video reported as MouseDown.

#include "platform/media/media-player-control.h"
#include "tests/platform/media/media-fixtures.h"
#include "tests/support/http-test-server.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

using platform::media::MediaPlayerControl;

namespace {

constexpr int kPlayWithinMs = 15000;
// The main window's holder of the control: 180 x 138 pixels; the control is 140 pixels tall with
// the volume bar shown and 184 with it hidden.
constexpr int kHolderWidth = 180;
constexpr int kHolderHeight = 138;

// The part of `child` (a descendant of `holder`) that lies inside `holder`.
QRect VisiblePart(QWidget *holder, QWidget *child) {
    if (!child->isVisible())
        return {};
    const QRect inHolder(child->mapTo(holder, QPoint(0, 0)), child->size());
    return inHolder.intersected(holder->rect());
}

// The bounding box of the pixels that are not (nearly) black, in `widget`'s own coordinates, as the
// X server shows them (libVLC draws into a window of its own inside the control).
QRect PictureBox(QWidget *widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
                            .toImage();
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (qGray(shot.pixel(x, y)) > 40)
                box |= QRect(x, y, 1, 1);
    return box;
}

void XDoTool(const QStringList &arguments) { QCOMPARE(QProcess::execute("xdotool", arguments), 0); }

} // namespace

class MediaControlUiTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<HttpTestServer> m_server;

    QString videoUrl() const { return m_server->url("/video/clip.wmv").toString(); }

private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "needs an X server (run under Xvfb with QT_QPA_PLATFORM=xcb)");
        // A Windows Media video with sound: a bright test picture of 160 x 120 pixels.
        QVERIFY(MakeMedia({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=30", "-f", "lavfi",
                           "-i", "sine=frequency=440:duration=30", "-c:v", "wmv2", "-c:a", "wmav2"},
                          m_dir.filePath("clip.wmv")));
        m_server = std::make_unique<HttpTestServer>();
        ServeFolder(*m_server, "/video", m_dir.path());
    }

    void volumeBarShowsOnlyAtTheShortHeight_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("barShown");
        QTest::newRow("mini, volume bar shown") << "mini" << 140 << true;
        QTest::newRow("mini, volume bar hidden") << "mini" << 184 << false;
        QTest::newRow("none") << "none" << 140 << false;
    }

    void volumeBarShowsOnlyAtTheShortHeight() {
        QFETCH(QString, mode);
        QFETCH(int, height);
        QFETCH(bool, barShown);
        QWidget holder;
        holder.resize(kHolderWidth, kHolderHeight);
        auto *control = new MediaPlayerControl(&holder);
        control->setUiMode(mode);
        control->setGeometry(0, 0, kHolderWidth, height);
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));

        auto *slider = control->findChild<QSlider *>("volumeSlider");
        QVERIFY(slider);
        const QRect sliderShown = VisiblePart(&holder, slider);
        if (barShown)
            QVERIFY2(sliderShown.height() >= slider->height() - 2, "the volume slider is cut off");
        else
            QVERIFY(sliderShown.isEmpty());
        // The picture fills the holder down to the bar, or all of it when the bar is out of view.
        QWidget *video = control->findChild<QWidget *>("videoSurface");
        const int barTop = barShown ? control->findChild<QWidget *>("controlBar")->y() : kHolderHeight;
        QCOMPARE(VisiblePart(&holder, video), QRect(0, 0, kHolderWidth, barTop));
    }

    void fullBarHasPlayStopVolumeAndTime() {
        MediaPlayerControl control;
        control.setUiMode("full");
        control.resize(380, 336);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        for (const char *name : {"playButton", "stopButton", "volumeSlider", "elapsedTime"})
            QVERIFY2(control.findChild<QWidget *>(name)->isVisible(), name);

        control.setURL(videoUrl());
        QTRY_COMPARE_WITH_TIMEOUT(control.playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        auto *elapsed = control.findChild<QLabel *>("elapsedTime");
        QTRY_COMPARE_WITH_TIMEOUT(elapsed->text(), QStringLiteral("0:02"), 5000);

        QTest::mouseClick(control.findChild<QToolButton *>("stopButton"), Qt::LeftButton);
        QCOMPARE(control.playState(), int(MediaPlayerControl::Stopped));
        QTest::mouseClick(control.findChild<QToolButton *>("playButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(control.playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
    }

    void volumeSliderAndPropertyFollowEachOther() {
        MediaPlayerControl control;
        control.setUiMode("mini");
        auto *slider = control.findChild<QSlider *>("volumeSlider");
        control.setVolume(35);
        QCOMPARE(slider->value(), 35);
        slider->setValue(80);
        QCOMPARE(control.volume(), 80);
        control.setVolume(150);
        QCOMPARE(control.volume(), 100);
        control.setVolume(-5);
        QCOMPARE(control.volume(), 0);
        QCOMPARE(slider->value(), 0);
    }

    void videoIsDrawnIntoTheControl_data() {
        QTest::addColumn<bool>("stretch");
        QTest::newRow("own size") << false;
        QTest::newRow("stretched to fit") << true;
    }

    void videoIsDrawnIntoTheControl() {
        QFETCH(bool, stretch);
        MediaPlayerControl control;
        control.setUiMode("none");
        control.setStretchToFit(stretch);
        control.resize(380, 336);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        control.setURL(videoUrl());
        QTRY_COMPARE_WITH_TIMEOUT(control.playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        // 160 x 120 at its own size, centred; stretched, as wide as the control (proportions kept).
        const int expectedWidth = stretch ? 380 : 160;
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(PictureBox(&control).width() - expectedWidth) <= 4, 5000);
        QVERIFY((PictureBox(&control).center() - control.rect().center()).manhattanLength() <= 2);
    }

    void stopLeavesTheControlBlack() {
        MediaPlayerControl control;
        control.setUiMode("none");
        control.resize(380, 336);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        control.setURL(videoUrl());
        QTRY_COMPARE_WITH_TIMEOUT(control.playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QTRY_VERIFY_WITH_TIMEOUT(!PictureBox(&control).isEmpty(), 5000);
        control.controls().stop();
        QTRY_VERIFY(PictureBox(&control).isEmpty());
    }

    void audioOnlyStreamLeavesTheControlBlack() {
        const QString missing = MissingServices(true);
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        MediaPlayerControl control;
        control.setUiMode("none");
        control.resize(180, 140);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        control.setURL(IcecastUrl());
        QTRY_COMPARE_WITH_TIMEOUT(control.playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QTest::qWait(500);
        QVERIFY(PictureBox(&control).isEmpty());
    }

    void mousePressesOverTheVideoAreReported() {
        MediaPlayerControl control;
        control.setUiMode("mini");
        control.resize(380, 336);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        control.setURL(videoUrl());
        QTRY_COMPARE_WITH_TIMEOUT(control.playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QTRY_VERIFY_WITH_TIMEOUT(!PictureBox(&control).isEmpty(), 5000); // libVLC's window is up

        QSignalSpy presses(&control, &MediaPlayerControl::MouseDown);
        const QPoint at(190, 150);
        const QPoint global = control.mapToGlobal(at);
        XDoTool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
        XDoTool({"click", "3"});
        XDoTool({"keydown", "shift", "click", "1", "keyup", "shift"});
        QTRY_COMPARE(presses.size(), 2);
        QCOMPARE(presses.at(0), (QVariantList{2, 0, at.x(), at.y()}));
        QCOMPARE(presses.at(1), (QVariantList{1, 1, at.x(), at.y()}));
    }
};

QTEST_MAIN(MediaControlUiTest)
#include "tst_media_control_ui.moc"
