// Rollover buttons with real pointer events through the X server (xdotool): for each of the thirteen
// buttons the help text and the rollover image while the pointer rests on it, their return when it
// leaves; a straight move from one button to the next, and a click in between.

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

bool Shows(PictureBox *element, const QString &builtInFile) {
    return element->picture().toImage() == player::BuiltInImage(builtInFile).toImage();
}

// One of the window's picture elements, named in a table row before there is a window.
using Element = PictureBox *FrmFM::*;

} // namespace

Q_DECLARE_METATYPE(Element)

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

    void restingOnAButtonShowsItsHelpAndRollover_data() {
        QTest::addColumn<Element>("button");
        QTest::addColumn<QString>("help"); // as the help line shows it: "&&" in the stored text is one "&"
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("twin");   // the rollover twin's picture
        QTest::addColumn<Element>("opened"); // shown before the move: the panel or state the button is in
        const auto row = [](const char *name, Element button, const char *help, const char *picture,
                            const char *twin, Element opened = nullptr) {
            QTest::newRow(name) << button << QString::fromLatin1(help) << QString::fromLatin1(picture)
                                << QString::fromLatin1(twin) << opened;
        };
        row("Play", &FrmFM::PicPlay, "Click to Start Playing.", "Play.jpg", "PlayR.jpg");
        row("Stop", &FrmFM::PicStop, "Click to Stop Playing.", "Stop.jpg", "StopR.jpg");
        row("Record", &FrmFM::PicRecord, "Record it to a MP3 file.", "Record.jpg", "RecordR.jpg");
        row("Stop Recording", &FrmFM::PicRecordStop, "Click to Stop the Recording", "RecordStop.jpg",
            "RecordStopR.jpg", &FrmFM::PicRecordStop);
        row("Settings", &FrmFM::PicSettings, "Click to Change the Settings.", "Settings.jpg",
            "SettingsR.jpg");
        row("Advanced", &FrmFM::PicAdvanceRec, "Open Advance Sound Recorder.", "Advanced.jpg",
            "AdvancedR.jpg");
        row("About", &FrmFM::PicAbout, "About the Developer.", "About.jpg", "AboutR.jpg");
        row("Up, doubled ampersand", &FrmFM::PicUp, "Click & Hold to Scroll Up.", "Up.jpg", "UpR.jpg");
        row("Down, doubled ampersand", &FrmFM::PicDown, "Click & Hold to Scroll Down.", "Down.jpg",
            "DownR.jpg");
        row("Minimize", &FrmFM::PicMin, "Minimize the application.", "Minimize.jpg", "MinimizeR.jpg");
        row("Exit", &FrmFM::PicClose, "Close the application.", "Exit.jpg", "ExitR.jpg");
        row("settings panel's close, doubled ampersand", &FrmFM::PicOK, "Click to Save & Close the Settings.",
            "Close.jpg", "CloseR.jpg", &FrmFM::PicSettingsBox);
        row("About panel's close", &FrmFM::PicCloseW, "Close", "Close.jpg", "CloseR.jpg", &FrmFM::PicAboutMe);
    }
    void restingOnAButtonShowsItsHelpAndRollover() {
        QFETCH(Element, button);
        QFETCH(QString, help);
        QFETCH(QString, picture);
        QFETCH(QString, twin);
        QFETCH(Element, opened);
        PictureBox *const element = window.get()->*button;
        if (opened != nullptr) {
            (window.get()->*opened)->show();
            (window.get()->*opened)->raise();
        }
        // Each built-in twin differs from its button's picture, so a swap is seen.
        QVERIFY(Shows(element, picture) && !Shows(element, twin));
        QVERIFY(!element->cursor().pixmap().isNull()); // our own pointer
        QCOMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QCOMPARE(window->LblMessage->toolTip(), QStringLiteral("Click to visit my Personal Website"));
        MoveOnto(element);
        QTRY_COMPARE(window->LblMessage->text(), help);
        QVERIFY(Shows(element, twin));
        QCOMPARE(window->LblMessage->toolTip(), QString());
        away();
        QTRY_COMPARE(window->LblMessage->text(), FrmFM::kCreditCaption);
        QVERIFY(Shows(element, picture));
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
