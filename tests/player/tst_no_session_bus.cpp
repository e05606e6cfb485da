// Without a session bus (a desktop without one, a plain X session) the desktop's media controls stay
// away and the player plays as ever.

#include "common/station-file.h"
#include "platform/dbus/mpris.h"
#include "player/FrmFM.h"
#include "tests/support/test-environment.h"

#include <QtTest>

class NoSessionBusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tunelark-bus"); }

    void playsWithoutDesktopControls() {
        const QString radio = qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL");
        QVERIFY2(!radio.isEmpty(), "needs the radio server of scripts/services/icecast.sh");
        TestEnvironment env;
        common::WriteStationFile(env.path("Player.dll"), {{"Tone Radio", radio}});
        FrmFM window(env.programFolder());
        window.Form_Load();
        QVERIFY(!window.DesktopControls->registered());
        window.PicPlay_Click();
        QTRY_VERIFY_WITH_TIMEOUT(window.IsPlaying(), 15000);
        window.PicStop_Click();
        QVERIFY(!window.StationPlaying);
        QCOMPARE(env.boxes.size(), 0);
    }
};

QTEST_MAIN(NoSessionBusTest)
#include "tst_no_session_bus.moc"
