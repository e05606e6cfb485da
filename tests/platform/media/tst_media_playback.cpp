// The media player control against a real radio server: the Icecast stream played directly and
// through ASX, M3U and PLS playlists (also from an address without an extension), an HLS stream and
// a redirect; sound must reach the PulseAudio null sink. Stop, resume and close; the volume; the song
// title the server sends.

#include "platform/media/media-player-control.h"
#include "tests/platform/media/media-fixtures.h"
#include "tests/platform/sink-recorder.h"
#include "tests/support/http-test-server.h"
#include "tests/support/icecast-admin.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using platform::media::MediaPlayerControl;

namespace {

constexpr int kPlayWithinMs = 15000;
constexpr int kSoundWithinMs = 5000;
// Long enough for a stream that plays on to be heard.
constexpr int kSilenceCheckMs = 1500;

} // namespace

class MediaPlaybackTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<HttpTestServer> m_server;
    std::unique_ptr<SinkRecorder> m_sink;
    std::unique_ptr<MediaPlayerControl> m_control;

    // Sets the address and waits until the control plays and the sink hears it.
    bool playAndHear(const QString &url) {
        m_sink->clear();
        m_control->setURL(url);
        return QTest::qWaitFor([this] { return m_control->playState() == MediaPlayerControl::Playing; },
                               kPlayWithinMs) &&
               m_sink->waitForSound(kSoundWithinMs) && m_control->Error().errorCount() == 0;
    }

private slots:
    void initTestCase() {
        const QString missing = MissingServices(true);
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        m_sink = std::make_unique<SinkRecorder>();
        QVERIFY2(m_sink->error().isEmpty(), qPrintable(m_sink->error()));

        const QByteArray stream = IcecastUrl().toUtf8();
        m_server = std::make_unique<HttpTestServer>();
        m_server->route("/list.m3u", {200, "#EXTM3U\r\n#EXTINF:-1,Tone\r\n" + stream + "\r\n"});
        m_server->route("/list.pls", {200, "[playlist]\nNumberOfEntries=1\nFile1=" + stream +
                                               "\nTitle1=Tone\nLength1=-1\nVersion=2\n"});
        m_server->route("/list.asx",
                        {200, "<asx version=\"3.0\"><entry><ref href=\"" + stream + "\"/></entry></asx>"});
        // A script that answers with a playlist, as many station sites do.
        m_server->route("/listen", {200, "[playlist]\nNumberOfEntries=1\nFile1=" + stream + "\n"});
        m_server->route("/moved", {302, {}, stream});

        QVERIFY(MakeMedia({"-f", "lavfi", "-i", "sine=frequency=440:duration=8", "-c:a", "aac", "-f", "hls",
                           "-hls_time", "2", "-hls_list_size", "0", "-hls_segment_filename",
                           m_dir.filePath("part%d.ts")},
                          m_dir.filePath("index.m3u8")));
        ServeFolder(*m_server, "/hls", m_dir.path());
    }

    void init() {
        m_control = std::make_unique<MediaPlayerControl>();
        m_control->setUiMode("mini");
    }

    void cleanup() { m_control.reset(); }

    void playsAndSoundReachesTheSink_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("the stream itself") << QString();
        QTest::newRow("M3U playlist") << "/list.m3u";
        QTest::newRow("PLS playlist") << "/list.pls";
        QTest::newRow("ASX playlist") << "/list.asx";
        QTest::newRow("playlist from an address without extension") << "/listen";
        QTest::newRow("redirect to the stream") << "/moved";
        QTest::newRow("HLS") << "/hls/index.m3u8";
    }

    void playsAndSoundReachesTheSink() {
        QFETCH(QString, path);
        QVERIFY2(playAndHear(path.isEmpty() ? IcecastUrl() : m_server->url(path).toString()),
                 "did not play, or no sound reached the null sink");
    }

    void stopResumeAndClose() {
        QVERIFY(playAndHear(m_server->url("/list.pls").toString()));
        const QString url = m_control->URL();

        m_control->controls().stop();
        QCOMPARE(m_control->playState(), int(MediaPlayerControl::Stopped));
        QVERIFY2(m_sink->staysSilent(kSilenceCheckMs), "sound still reaches the null sink");

        // The tray item resumes the same address after a stop.
        m_control->controls().play();
        QTRY_COMPARE_WITH_TIMEOUT(m_control->playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QVERIFY(m_sink->waitForSound(kSoundWithinMs));

        m_control->close();
        QCOMPARE(m_control->playState(), int(MediaPlayerControl::Ready));
        QCOMPARE(m_control->URL(), url);
        QVERIFY2(m_sink->staysSilent(kSilenceCheckMs), "sound still reaches the null sink");
        QCOMPARE(m_control->Error().errorCount(), 0);
    }

    void newAddressReplacesTheOldOne() {
        QVERIFY(playAndHear(IcecastUrl()));
        QSignalSpy changes(m_control.get(), &MediaPlayerControl::StatusChange);
        m_control->setURL(m_server->url("/list.m3u").toString());
        QTRY_COMPARE_WITH_TIMEOUT(m_control->playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QVERIFY(changes.size() >= 2); // through "transitioning" to "playing" again
        QCOMPARE(m_control->Error().errorCount(), 0);
    }

    // The titles a station's playout sets on the server reach the control while it plays, through a
    // playlist too; nothing is left of them once it stops or plays another address.
    void streamTitleFollowsTheServer() {
        QVERIFY(playAndHear(m_server->url("/list.pls").toString()));
        QSignalSpy changes(m_control.get(), &MediaPlayerControl::NowPlayingChange);
        for (const QString &song : {QStringLiteral("Artist One - First Song"), QStringLiteral("Ünïcødé & \"Quotes\"")}) {
            const QString error = SetIcecastTitle(song);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QTRY_COMPARE_WITH_TIMEOUT(m_control->NowPlaying(), song, 10000);
        }
        QVERIFY(changes.size() >= 2);
        m_control->controls().stop();
        QCOMPARE(m_control->NowPlaying(), QString());
        m_control->controls().play();
        QTRY_COMPARE_WITH_TIMEOUT(m_control->NowPlaying(), QStringLiteral("Ünïcødé & \"Quotes\""), kPlayWithinMs);
        m_control->setURL(m_server->url("/hls/index.m3u8").toString());
        QCOMPARE(m_control->NowPlaying(), QString());
    }

    void volumeAppliesFromTheFirstSound() {
        QVERIFY(m_sink->staysSilent(300)); // nothing left of the tests before; recording from here
        m_control->setVolume(0);
        m_control->setURL(IcecastUrl());
        QTRY_COMPARE_WITH_TIMEOUT(m_control->playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QVERIFY2(!m_sink->waitForSound(kSilenceCheckMs), "sound at volume 0");
        m_control->setVolume(100);
        QVERIFY(m_sink->waitForSound(kSoundWithinMs));
    }

    void streamWithoutAutoStartWaitsForPlay() {
        m_control->setAutoStart(false);
        m_control->setURL(IcecastUrl());
        QCOMPARE(m_control->playState(), int(MediaPlayerControl::Ready));
        QVERIFY2(m_sink->staysSilent(kSilenceCheckMs), "sound still reaches the null sink");
        m_control->controls().play();
        QTRY_COMPARE_WITH_TIMEOUT(m_control->playState(), int(MediaPlayerControl::Playing), kPlayWithinMs);
        QVERIFY(m_sink->waitForSound(kSoundWithinMs));
    }
};

QTEST_MAIN(MediaPlaybackTest)
#include "tst_media_playback.moc"
