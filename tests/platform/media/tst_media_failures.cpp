// Every way a station can fail to play gives exactly one failure report (StatusChange with playState
// Ready and one error queued) and never "playing": a closed port, a name that cannot resolve, a
// missing page, a server that accepts and never answers (the control's open time limit), addresses
// that are not network streams or files, also when a playlist or a redirect names them, playlists
// that name themselves or nothing.

#include "platform/media/media-player-control.h"
#include "tests/platform/media/media-fixtures.h"
#include "tests/support/http-test-server.h"
#include "tests/support/test-environment.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using platform::media::MediaPlayerControl;

namespace {

constexpr int kOpenTimeLimitMs = 2000;
constexpr int kFailWithinMs = 10000;
// How long the test waits after a failure for a second one that must not come.
constexpr int kQuietAfterMs = 1500;

// A port on 127.0.0.1 that nothing listens on.
quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

class MediaFailuresTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<HttpTestServer> m_server;
    QFile m_tone;

private slots:
    void initTestCase() {
        QVERIFY(MakeMedia({"-f", "lavfi", "-i", "sine=frequency=440:duration=5", "-c:a", "libmp3lame"},
                          m_dir.filePath("tone.mp3")));
        m_tone.setFileName(m_dir.filePath("tone.mp3"));
        QVERIFY(m_tone.open(QIODevice::ReadOnly));

        m_server = std::make_unique<HttpTestServer>();
        m_server->route("/silent", {200, {}, {}, true});
        m_server->route("/camera.m3u", {200, "#EXTM3U\r\nv4l2:///dev/video0\r\n"});
        m_server->route("/microphone.asx",
                        {200, "<asx version=\"3.0\"><entry><ref href=\"pulse://\"/></entry></asx>"});
        m_server->route("/self.m3u", {200, "#EXTM3U\r\n" + m_server->url("/self.m3u").toEncoded() + "\r\n"});
        m_server->route("/empty.m3u", {200, "#EXTM3U\r\n"});
        // Would make libVLC read one of our own open files (here an MP3 it would play).
        m_server->route("/to-descriptor", {302, {}, "fd://" + QByteArray::number(m_tone.handle())});
        m_server->route("/to-device", {302, {}, "file:///dev/zero"});
    }

    void failsExactlyOnce_data() {
        QTest::addColumn<QString>("url");
        QTest::newRow("closed port") << QStringLiteral("http://127.0.0.1:%1/stream").arg(ClosedPort());
        // A 64-letter label is not a valid DNS name: the resolver fails without asking any server.
        QTest::newRow("unresolvable name") << "http://" + QString(64, QLatin1Char('a')) + ".invalid/stream";
        QTest::newRow("missing page") << m_server->url("/missing").toString();
        QTest::newRow("server that never answers") << m_server->url("/silent").toString();
        QTest::newRow("camera") << "v4l2:///dev/video0";
        QTest::newRow("microphone") << "pulse://";
        QTest::newRow("screen") << "screen://";
        QTest::newRow("engine command") << "vlc://quit";
        QTest::newRow("our own file descriptor") << "fd://" + QString::number(m_tone.handle());
        QTest::newRow("device as a file") << "file:///dev/zero";
        QTest::newRow("playlist naming a camera") << m_server->url("/camera.m3u").toString();
        QTest::newRow("playlist naming a microphone") << m_server->url("/microphone.asx").toString();
        QTest::newRow("redirect to our file descriptor") << m_server->url("/to-descriptor").toString();
        QTest::newRow("redirect to a device") << m_server->url("/to-device").toString();
        QTest::newRow("playlist naming itself") << m_server->url("/self.m3u").toString();
        QTest::newRow("empty playlist") << m_server->url("/empty.m3u").toString();
    }

    void failsExactlyOnce() {
        QFETCH(QString, url);
        MediaPlayerControl control;
        control.setOpenTimeLimit(kOpenTimeLimitMs);
        FailureCounter counter(control);
        QElapsedTimer clock;
        clock.start();
        control.setURL(url);
        QCOMPARE(counter.failures, 0); // reported from the event loop, never inside setURL
        QTRY_COMPARE_WITH_TIMEOUT(counter.failures, 1, kFailWithinMs);
        const qint64 failedAfter = clock.elapsed();
        QTest::qWait(kQuietAfterMs);
        QCOMPARE(counter.failures, 1);
        QVERIFY(!counter.sawPlaying);
        QCOMPARE(control.playState(), int(MediaPlayerControl::Ready));
        if (QTest::currentDataTag() == QLatin1String("server that never answers"))
            QVERIFY2(failedAfter >= kOpenTimeLimitMs - 100, "failed before the open time limit");
    }

    void openTimeLimitComesFromTheEnvironment() {
        qputenv("TUNELARK_OPEN_TIMEOUT_MS", "1234");
        MediaPlayerControl configured;
        qunsetenv("TUNELARK_OPEN_TIMEOUT_MS");
        MediaPlayerControl standard;
        QCOMPARE(configured.openTimeLimit(), 1234);
        QCOMPARE(standard.openTimeLimit(), 20000);
    }

    void stopEndsTheWaitWithoutFailure() {
        MediaPlayerControl control;
        control.setOpenTimeLimit(kOpenTimeLimitMs);
        FailureCounter counter(control);
        control.setURL(m_server->url("/silent").toString());
        QTRY_COMPARE(control.playState(), int(MediaPlayerControl::Transitioning));
        control.controls().stop();
        QCOMPARE(control.playState(), int(MediaPlayerControl::Stopped));
        QTest::qWait(kOpenTimeLimitMs + kQuietAfterMs);
        QCOMPARE(counter.failures, 0);
    }

    void errorDialogsOnlyWhenEnabled_data() {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled") << true;
        QTest::newRow("disabled") << false;
    }

    void errorDialogsOnlyWhenEnabled() {
        QFETCH(bool, enabled);
        TestEnvironment environment;
        MediaPlayerControl control;
        control.setEnableErrorDialogs(enabled);
        control.setURL("v4l2:///dev/video0");
        QTRY_COMPARE(control.Error().errorCount(), 1);
        QCOMPARE(environment.boxes.size(), enabled ? 1 : 0);
    }
};

QTEST_MAIN(MediaFailuresTest)
#include "tst_media_failures.moc"
