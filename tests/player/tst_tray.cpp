// The window's shell under a real tray (trayer) with real clicks (xdotool): minimise to the tray,
// restore with a double-click, the tray menu, and the tooltip.

#include "common/station-codec.h"
#include "platform/tray/tray-icon.h"
#include "player/FrmFM.h"
#include "player/ModSysTray.h"
#include "player/picture-box.h"
#include "tests/support/test-environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QtTest>

namespace {

// The tray icon's own window, docked in trayer's panel.
QWidget *TrayIconWindow() {
    for (QWidget *widget : QApplication::allWidgets())
        if (qstrcmp(widget->metaObject()->className(), "QSystemTrayIconSys") == 0 && widget->isVisible())
            return widget;
    return nullptr;
}

// Real clicks on the docked icon, through the X server.
void ClickTrayIcon(int button, int repeat = 1) {
    QWidget *icon = TrayIconWindow();
    QVERIFY(icon);
    // Away first: waiting for a move to where the pointer already is would never end.
    QCOMPARE(QProcess::execute("xdotool",
                               {"mousemove", "0", "0", "sleep", "0.1", "mousemove", "--sync", "--window",
                                QString::number(icon->winId()), "8", "8", "click", "--repeat",
                                QString::number(repeat), "--delay", "80", QString::number(button)}),
             0);
}

class LinkRecorder : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl &url) { urls.append(url.toString()); }
};

} // namespace

class TrayTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

private slots:
    void initTestCase() {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            QFAIL("no tray on this display: the test command starts trayer");
    }

    void init() {
        env = std::make_unique<TestEnvironment>();
        env->writeFile("Player.dll",
                       common::EncodeLine("One ==> http://127.0.0.1:9/one").toLatin1() + "\r\n\r\n");
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        window->move(0, 60);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        env.reset();
    }

    void minimiseGoesToTheTrayAndADoubleClickComesBack() {
        QVERIFY(!window->Tray->isShown());
        QTest::mouseClick(window->PicMin, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(window->Tray->isShown());
        QTRY_VERIFY(TrayIconWindow());
        QTest::qWait(200); // docking settles

        ClickTrayIcon(1, 2);
        QTRY_VERIFY(window->isVisible());
        QVERIFY(!window->Tray->isShown());
    }

    void rightClickOpensTheMenuAndCloseEnds() {
        QTest::mouseClick(window->PicMin, Qt::LeftButton);
        QTRY_VERIFY(TrayIconWindow());
        QTest::qWait(200);
        ClickTrayIcon(3);
        QTRY_VERIFY(window->RCPopup->isVisible());
        QStringList captions;
        for (QAction *item : window->RCPopup->actions())
            captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(captions, (QStringList{"Open", "Stop", "-", "Close"}));

        window->RCPopup->hide();
        window->mnuClose->trigger();
        QVERIFY(!window->Tray->isShown());
        QCOMPARE(env->endedWith, std::optional<int>(0));
    }

    void tooltipNamesThePlayingStationWithinItsField_data() {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("stopped") << false << "Jazz"
                                 << "Ravelto's Online Radio";
        QTest::newRow("playing") << true << "Jazz"
                                 << "Ravelto's Online Radio is Playing : Jazz";
        QTest::newRow("cut to the field")
            << true << QString(40, 'x') << "Ravelto's Online Radio is Playing : " + QString(27, 'x');
    }
    void tooltipNamesThePlayingStationWithinItsField() {
        QFETCH(bool, playing);
        QFETCH(QString, name);
        QFETCH(QString, tip);
        QCOMPARE(platform::tray::CutToTipField(ModSysTray::TrayTip(playing, name)), tip);
    }

    void linksGoToTheDesktop() {
        // The desktop's handlers for web and mail addresses, replaced by a recorder.
        LinkRecorder opened;
        QDesktopServices::setUrlHandler("https", &opened, "open");
        QDesktopServices::setUrlHandler("mailto", &opened, "open");
        for (QLabel *link : {window->ImgMail, window->ImgURL, window->ImgFAQ, window->ImgMoreSkins})
            emit link->linkActivated(QStringLiteral("ignored: the label's own target is opened"));
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(opened.urls.size(), 4);
        QVERIFY(opened.urls[0].startsWith("mailto:"));
        QCOMPARE(QSet<QString>(opened.urls.begin(), opened.urls.end()).size(), 4);
    }

    void backgroundDragMovesTheWindow() {
        const QPoint start = window->pos();
        // On the faceplate inside the outline, where no element is.
        const QPoint grab = window->mapToGlobal(QPoint(60, 200));
        QCOMPARE(QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(grab.x()),
                                               QString::number(grab.y()), "mousedown", "1", "mousemove",
                                               "--sync", QString::number(grab.x() + 40),
                                               QString::number(grab.y() + 25), "mouseup", "1"}),
                 0);
        QTRY_COMPARE(window->pos(), start + QPoint(40, 25));
    }
};

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
