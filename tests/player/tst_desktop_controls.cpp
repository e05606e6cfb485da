// The desktop's media controls against a real session bus (the private dbus-daemon of the test
// command), driven the way desktops drive them, with gdbus: identity, play, the song title the
// server sends, volume both ways, next and previous, pause, raise and quit; every change announced.
// Song notifications go to a notification server that this test puts on the bus.

#include "common/settings-store.h"
#include "common/station-file.h"
#include "platform/dbus/mpris.h"
#include "platform/media/media-player-control.h"
#include "player/FrmFM.h"
#include "player/ModOthers.h"
#include "tests/support/icecast-admin.h"
#include "tests/support/test-environment.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QtTest>

using platform::dbus::Mpris;

namespace {

const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

} // namespace

// Collects the properties named in PropertiesChanged, seen from a connection of its own.
class PropertyWatcher : public QObject {
    Q_OBJECT
public:
    QStringList changed;
public slots:
    void onChanged(const QString &, const QVariantMap &properties, const QStringList &) {
        changed += properties.keys();
    }
};

// A notification server that reads bodies as markup and keeps what it was asked to show.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notice {
        QString application;
        uint replaces;
        QString summary, body;
    };
    QList<Notice> notices;
public slots:
    QStringList GetCapabilities() { return {"body", "body-markup"}; }
    uint Notify(const QString &application, uint replaces, const QString &, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int) {
        notices.append({application, replaces, summary, body});
        return 41 + notices.size();
    }
};

class DesktopControlsTest : public QObject {
    Q_OBJECT
private:
    QString radio;
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FrmFM> window;
    PropertyWatcher watcher;
    NotificationServer notifications;

    // Runs `program` while the event loop answers the player's side; its output.
    static QString run(const QString &program, const QStringList &arguments) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForStarted(5000))
            return program + QStringLiteral(" did not start: ") + process.errorString();
        if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000))
            return program + QStringLiteral(" gave no answer within 10 s");
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
    }
    static QString gdbus(const QStringList &arguments) { return run(QStringLiteral("gdbus"), arguments); }
    QString call(const QString &method) {
        return gdbus({"call", "--session", "--dest", Mpris::kServiceName, "--object-path", Mpris::kObjectPath,
                      "--method", method});
    }
    QString property(const QString &interface, const QString &name) {
        return gdbus({"call", "--session", "--dest", Mpris::kServiceName, "--object-path", Mpris::kObjectPath,
                      "--method", "org.freedesktop.DBus.Properties.Get", interface, name});
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"),
                 "needs the private session bus the test command starts");
        radio = qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL");
        QVERIFY2(!radio.isEmpty(), "needs the radio server of scripts/services/icecast.sh");
        QDBusConnection server = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "notifications");
        QVERIFY(server.registerObject("/org/freedesktop/Notifications", &notifications,
                                      QDBusConnection::ExportAllSlots));
        QVERIFY(server.registerService("org.freedesktop.Notifications"));
        QDBusConnection observer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "observer");
        QVERIFY(observer.connect(QString(), Mpris::kObjectPath, "org.freedesktop.DBus.Properties",
                                 "PropertiesChanged", &watcher,
                                 SLOT(onChanged(QString, QVariantMap, QStringList))));
        env = std::make_unique<TestEnvironment>();
        common::WriteStationFile(env->path("Player.dll"), {{"Tone Radio", radio}, {"Second Radio", radio}});
        window = std::make_unique<FrmFM>(env->programFolder());
        window->Form_Load();
        QVERIFY(window->DesktopControls->registered());
    }
    void cleanupTestCase() {
        window.reset();
        env.reset();
    }

    void identity() {
        const QString root = QStringLiteral("org.mpris.MediaPlayer2");
        QCOMPARE(property(root, "Identity"), QStringLiteral("(<'Tunelark'>,)"));
        QCOMPARE(property(root, "DesktopEntry"), QStringLiteral("(<'tunelark'>,)"));
        QCOMPARE(property(root, "CanRaise"), QStringLiteral("(<true>,)"));
        QCOMPARE(property(kPlayer, "CanGoNext"), QStringLiteral("(<true>,)"));
        QCOMPARE(property(kPlayer, "PlaybackStatus"), QStringLiteral("(<'Stopped'>,)"));
    }

    void playShowsTheSong() {
        watcher.changed.clear();
        call(kPlayer + ".Play");
        QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 15000);
        QCOMPARE(ModOthers::CurrentStationName, QStringLiteral("Tone Radio"));
        QCOMPARE(property(kPlayer, "PlaybackStatus"), QStringLiteral("(<'Playing'>,)"));
        QTRY_VERIFY(watcher.changed.contains("PlaybackStatus"));

        QVERIFY(SetIcecastTitle("Artist X - Song Y").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->NowPlaying(), QStringLiteral("Artist X - Song Y"), 10000);
        const QString metadata = property(kPlayer, "Metadata");
        for (const char *entry :
             {"'xesam:title': <'Song Y'>", "'xesam:artist': <['Artist X']>", "'xesam:album': <'Tone Radio'>",
              "'mpris:trackid': <objectpath '/org/tunelark/Track/"})
            QVERIFY2(metadata.contains(QLatin1String(entry)), qPrintable(metadata));
        QTRY_VERIFY(watcher.changed.contains("Metadata"));
        // As a desktop's widget reads it.
        QCOMPARE(
            run("playerctl", {"--player=tunelark", "metadata", "--format", "{{artist}}|{{title}}|{{album}}"}),
            QStringLiteral("Artist X|Song Y|Tone Radio"));
    }

    // Off until the listener turns them on; then only while the window is out of sight, each notice
    // in place of the one before, the title as plain text.
    void songNotificationsWhileOutOfSight() {
        QVERIFY(!window->mnuNotify->isChecked());
        window->hide();
        QVERIFY(SetIcecastTitle("Unannounced").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->NowPlaying(), QStringLiteral("Unannounced"), 10000);
        window->mnuNotify->trigger();
        QCOMPARE(common::GetSetting(common::kApplication, "NowPlaying", "Notify"), QStringLiteral("1"));
        window->show();
        QVERIFY(SetIcecastTitle("Seen in the window").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(window->WM->NowPlaying(), QStringLiteral("Seen in the window"), 10000);
        window->hide();
        for (const char *title : {"Rock & <b>Roll</b>", "Next Song"}) {
            QVERIFY(SetIcecastTitle(title).isEmpty());
            QTRY_COMPARE_WITH_TIMEOUT(window->WM->NowPlaying(), QString::fromUtf8(title), 10000);
        }
        QTRY_COMPARE(notifications.notices.size(), 2);
        const auto &[application, replaces, summary, body] = notifications.notices[0];
        QCOMPARE(application, QStringLiteral("Tunelark"));
        QCOMPARE(replaces, 0u);
        QCOMPARE(summary, QStringLiteral("Tone Radio"));
        QCOMPARE(body, QStringLiteral("Rock &amp; &lt;b&gt;Roll&lt;/b&gt;"));
        QCOMPARE(notifications.notices[1].replaces, 42u);
        QCOMPARE(notifications.notices[1].body, QStringLiteral("Next Song"));
        window->mnuNotify->trigger();
        QCOMPARE(common::GetSetting(common::kApplication, "NowPlaying", "Notify"), QStringLiteral("0"));
        window->show();
    }

    void volumeBothWays() {
        QVERIFY(
            gdbus({"call", "--session", "--dest", Mpris::kServiceName, "--object-path", Mpris::kObjectPath,
                   "--method", "org.freedesktop.DBus.Properties.Set", kPlayer, "Volume", "<0.25>"})
                .startsWith("()"));
        QTRY_COMPARE(window->WM->volume(), 25);
        watcher.changed.clear();
        window->WM->setVolume(80);
        QCOMPARE(property(kPlayer, "Volume"), QStringLiteral("(<0.80000000000000004>,)"));
        QTRY_VERIFY(watcher.changed.contains("Volume"));
    }

    void nextAndPreviousGoRoundTheList() {
        for (const auto &[method, station] :
             {std::pair{"Next", "Second Radio"}, std::pair{"Next", "Tone Radio"},
              std::pair{"Previous", "Second Radio"}}) {
            call(kPlayer + u'.' + QLatin1String(method));
            QTRY_COMPARE(ModOthers::CurrentStationName, QLatin1String(station));
            QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 15000);
        }
    }

    void pauseStops() {
        call(kPlayer + ".Pause");
        QTRY_VERIFY(!window->StationPlaying);
        QCOMPARE(property(kPlayer, "PlaybackStatus"), QStringLiteral("(<'Stopped'>,)"));
        call(kPlayer + ".PlayPause");
        QTRY_VERIFY_WITH_TIMEOUT(window->IsPlaying(), 15000);
        call(kPlayer + ".Stop");
        QTRY_VERIFY(!window->StationPlaying);
    }

    void raiseAndQuit() {
        window->hide();
        call("org.mpris.MediaPlayer2.Raise");
        QTRY_VERIFY(window->isVisible());
        call("org.mpris.MediaPlayer2.Quit");
        QTRY_COMPARE(env->endedWith, std::optional<int>(0));
    }
};

QTEST_MAIN(DesktopControlsTest)
#include "tst_desktop_controls.moc"
