// Rollover buttons with real pointer events through the X server (xdotool): the help text and the
// rollover image while the pointer rests on a button, their return when it leaves, a straight move
// from one button to the next, and a click in between.

#include "player/FrmFM.h"
#include "player/ModOthers-hover.h"
#include "player/picture-box.h"
#include "player/skins/builtin-skin.h"
#include "tests/support/test-environment.h"

#include <QLabel>
#include <QProcess>
#include <QtTest>

namespace {

void XDoTool(const QStringList &arguments) { QCOMPARE(QProcess::execute("xdotool", arguments), 0); }

// Moves the pointer onto `element` the way a hand does: more than one motion over it.
void MoveOnto(QWidget *element) {
    const QPoint centre = element->mapToGlobal(element->rect().center());
    // Each motion handled before the next, as a hand's come with time between them.
    for (const QPoint &at : {centre - QPoint(2, 0), centre, centre + QPoint(1, 1)}) {
        XDoTool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
        QTest::qWait(30);
    }
}

bool Shows(PictureBox *element, const char *builtInFile) {
    return element->picture().toImage() == player::BuiltInImage(QString::fromLatin1(builtInFile)).toImage();
}

} // namespace

class RolloverTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    // Off the window. Not --sync: a move to where the pointer already is would be waited for in vain.
    void away() {
        XDoTool({"mousemove", "1", "1"});
        QTest::qWait(100);
    }

private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        window->move(40, 40);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        away();
    }
    void cleanup() {
        away(); // the leave notice ends any hovering: the hook's state is the program's, not the window's
        ModOthers::UnhookHover();
        window.reset();
        env.reset();
    }

    void restingOnPlayShowsItsHelpAndRollover() {
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QCOMPARE(window->LblMessage->toolTip(), QStringLiteral("Click to visit my Personal Website"));
        QVERIFY(!window->PicPlay->cursor().pixmap().isNull()); // our own pointer
        MoveOnto(window->PicPlay);
        QTRY_COMPARE(window->LblMessage->text(), QStringLiteral("Click to Start Playing."));
        QVERIFY(Shows(window->PicPlay, "PlayR.jpg"));
        QCOMPARE(window->LblMessage->toolTip(), QString());
        away();
        QTRY_COMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(Shows(window->PicPlay, "Play.jpg"));
        QCOMPARE(window->LblMessage->toolTip(), QStringLiteral("Click to visit my Personal Website"));
    }

    void straightFromPlayToStop() {
        MoveOnto(window->PicPlay);
        QTRY_VERIFY(Shows(window->PicPlay, "PlayR.jpg"));
        MoveOnto(window->PicStop);
        QTRY_COMPARE(window->LblMessage->text(), QStringLiteral("Click to Stop Playing."));
        QVERIFY(Shows(window->PicPlay, "Play.jpg"));
        QVERIFY(Shows(window->PicStop, "StopR.jpg"));
        QVERIFY(Shows(window->PicPlayRoll, "PlayR.jpg")); // the swap through PicTemp gave it back
        away();
        QTRY_VERIFY(Shows(window->PicStop, "Stop.jpg"));
    }

    void doubledAmpersandShowsOnce() {
        MoveOnto(window->PicUp);
        QTRY_COMPARE(window->LblMessage->text(), QStringLiteral("Click & Hold to Scroll Up."));
    }

    // A click unhooks the button: its rollover image and help stay until the pointer comes back and
    // leaves again.
    void clickThenMoveOffAndBack() {
        MoveOnto(window->PicStop);
        QTRY_VERIFY(Shows(window->PicStop, "StopR.jpg"));
        window->PicStop_Click();
        away();
        QTest::qWait(100);
        QVERIFY(Shows(window->PicStop, "StopR.jpg"));
        QCOMPARE(window->LblMessage->text(), QStringLiteral("Click to Stop Playing."));
        MoveOnto(window->PicStop);
        away();
        QTRY_COMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(Shows(window->PicStop, "Stop.jpg"));
    }
};

QTEST_MAIN(RolloverTest)
#include "tst_rollover.moc"
