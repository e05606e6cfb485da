// Moving through the station list: the repeat timer's steps, and held arrows pressed with real
// mouse events through the X server.

#include "common/station-codec.h"
#include "player/FrmFM.h"
#include "player/picture-box.h"
#include "tests/support/test-environment.h"

#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray StationFile(int count) {
    QByteArray content;
    for (int i = 1; i <= count; ++i)
        content +=
            common::EncodeLine(QStringLiteral("Station %1 ==> http://127.0.0.1:9/%1").arg(i)).toLatin1() +
            "\r\n\r\n";
    return content;
}

void XDoTool(const QStringList &arguments) {
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}

// Real pointer events: press over `element`, hold for `holdMs` while moving to `releaseAt`, release.
// The hold is counted from when the press has reached the window and started `repeat`, and the call
// returns once the release has stopped it: a busy machine delays the pointer's events, not the steps.
void HoldMouse(const QTimer *repeat, QWidget *element, int holdMs, QPoint releaseAt = QPoint()) {
    const QPoint down = element->mapToGlobal(element->rect().center());
    // Away first: waiting for a move to where the pointer already is would never end.
    XDoTool({"mousemove", "0", "0", "sleep", "0.1", "mousemove", "--sync", QString::number(down.x()),
             QString::number(down.y())});
    XDoTool({"mousedown", "1"});
    QVERIFY(QTest::qWaitFor([repeat] { return repeat->isActive(); }, 5000));
    if (!releaseAt.isNull()) {
        QTest::qWait(holdMs / 2);
        XDoTool({"mousemove", QString::number(releaseAt.x()), QString::number(releaseAt.y())});
        QTest::qWait(holdMs / 2);
    } else {
        QTest::qWait(holdMs);
    }
    XDoTool({"mouseup", "1"});
    QVERIFY(QTest::qWaitFor([repeat] { return !repeat->isActive(); }, 5000));
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;

    void load(int stations) {
        env = std::make_unique<TestEnvironment>();
        env->writeFile("Player.dll", StationFile(stations));
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
    }

private slots:
    void cleanup() {
        window.reset();
        env.reset();
    }

    void timerStepsLikeTheList_data() {
        QTest::addColumn<int>("stations");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("counter");
        QTest::newRow("down moves") << 5 << 0 << "Down" << 2 << 2 << "3 of 5";
        QTest::newRow("down stops on the last") << 5 << 3 << "Down" << 4 << 4 << "5 of 5";
        QTest::newRow("up moves") << 5 << 4 << "Up" << 3 << 1 << "2 of 5";
        QTest::newRow("up from the first clears, counter stays") << 5 << 0 << "Up" << 1 << -1 << "1 of 5";
        QTest::newRow("up from nothing changes nothing") << 5 << 0 << "Up" << 3 << -1 << "1 of 5";
        QTest::newRow("down from nothing selects the first") << 5 << -1 << "Down" << 1 << 0 << "1 of 5";
        QTest::newRow("no direction does nothing") << 5 << 2 << "" << 3 << 2 << "3 of 5";
    }
    void timerStepsLikeTheList() {
        QFETCH(int, stations);
        QFETCH(int, start);
        QFETCH(QString, direction);
        QFETCH(int, ticks);
        QFETCH(int, index);
        QFETCH(QString, counter);
        load(stations);
        window->LstStations->setCurrentRow(start);
        window->TmrListTag = direction;
        for (int i = 0; i < ticks; ++i)
            window->TmrList_Timer();
        QCOMPARE(window->LstStations->currentRow(), index);
        QCOMPARE(window->LblCnt->text(), counter);
    }

    void keyboardMovesUpdateTheCounter() {
        load(4);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        window->LstStations->setFocus();
        QTest::keyClick(window->LstStations, Qt::Key_Down);
        QTest::keyClick(window->LstStations, Qt::Key_Down);
        QCOMPARE(window->LblCnt->text(), QStringLiteral("3 of 4"));
        QTest::keyClick(window->LstStations, Qt::Key_End);
        QCOMPARE(window->LblCnt->text(), QStringLiteral("4 of 4"));
    }

    void heldArrowsRepeatWhileTheButtonIsDown() {
        load(40);
        window->move(0, 0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        // About ten steps a second while held; none once released.
        HoldMouse(window->TmrList, window->PicDown, 650);
        const int afterDown = window->LstStations->currentRow();
        QVERIFY2(afterDown >= 3 && afterDown <= 7, qPrintable(QString::number(afterDown)));
        QVERIFY(!window->TmrList->isActive());
        QTest::qWait(300);
        QCOMPARE(window->LstStations->currentRow(), afterDown);
        QCOMPARE(window->LblCnt->text(), QStringLiteral("%1 of 40").arg(afterDown + 1));

        HoldMouse(window->TmrList, window->PicUp, 350);
        QVERIFY(window->LstStations->currentRow() < afterDown);

        // The window holds the mouse: a release away from the button still stops the repeat.
        const int before = window->LstStations->currentRow();
        HoldMouse(window->TmrList, window->PicDown, 500, window->mapToGlobal(QPoint(5, 5)));
        QVERIFY(!window->TmrList->isActive());
        const int after = window->LstStations->currentRow();
        QVERIFY(after > before);
        QTest::qWait(300);
        QCOMPARE(window->LstStations->currentRow(), after);
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
