// Recording a station one file per song over the network: from a local station that sends known bytes
// (so every audio byte can be accounted for), through a dropped connection, protocol errors and
// refusals, and from the local Icecast server whose title is changed three times through its admin
// interface, with ffprobe judging the files.

#include "player/recording/song-recording.h"
#include "tests/player/recording/media-probe.h"
#include "tests/support/icecast-admin.h"
#include "tests/support/radio-test-server.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using recording::SongRecording;

namespace {

const QByteArray kHead =
    "ICY 200 OK\r\nicy-metaint: 1000\r\ncontent-type: audio/mpeg\r\nicy-name: Test FM\r\n\r\n";
const QDate kDate(2026, 12, 3);

// Sound from `source` (a real MP3, so ffprobe can judge the files) between metadata blocks.
class StationScript {
public:
    explicit StationScript(QByteArray source) : m_source(std::move(source)) {}
    // One icy-metaint interval of sound, then a block with `metadata` (an empty block when empty).
    StationScript &then(const QByteArray &metadata) {
        QByteArray sound = m_source.mid(m_audio.size() % (m_source.size() - 1000), 1000);
        m_audio += sound;
        const qsizetype units = (metadata.size() + 15) / 16;
        m_stream += sound + char(units) + metadata + QByteArray(units * 16 - metadata.size(), '\0');
        return *this;
    }
    StationScript &tail(qsizetype bytes) {
        m_tail = m_source.left(bytes);
        return *this;
    }
    QByteArray stream() const { return m_stream + m_tail; }
    QByteArray audio() const { return m_audio + m_tail; }

private:
    QByteArray m_source;
    QByteArray m_stream, m_audio, m_tail;
};

QByteArray Title(const QByteArray &title) { return "StreamTitle='" + title + "';StreamUrl='';"; }

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file without its ID3v2 tag: the station's own bytes.
QByteArray AudioOf(const QString &path) {
    const QByteArray bytes = ReadAll(path);
    if (!bytes.startsWith("ID3") || bytes.size() < 10)
        return bytes;
    qsizetype size = 0;
    for (int i = 6; i < 10; ++i)
        size = size * 128 + (bytes.at(i) & 0x7F);
    return bytes.mid(10 + size);
}

QString ProbeTag(const QString &path, const QString &tag) {
    const auto output =
        mediaprobe::Run(QStringLiteral("ffprobe"),
                        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                         QStringLiteral("format_tags=") + tag, QStringLiteral("-of"),
                         QStringLiteral("default=noprint_wrappers=1:nokey=1"), path});
    return output ? QString::fromUtf8(*output).trimmed() : QStringLiteral("<ffprobe failed>");
}

QStringList FileNames(const QStringList &paths) {
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

// Stands between a listener and a server on 127.0.0.1 and keeps every byte the server sent, so a test
// knows what a listener of the real server was given.
class StreamTap : public QObject {
public:
    explicit StreamTap(const QUrl &server) : m_server(server) {
        m_listener.listen(QHostAddress::LocalHost);
        connect(&m_listener, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *listener = m_listener.nextPendingConnection())
                relay(listener);
        });
    }
    QUrl url() const {
        QUrl url = m_server;
        url.setPort(m_listener.serverPort());
        return url;
    }
    int connections = 0;
    QByteArray sent; // by the server, from its reply's first byte

private:
    void relay(QTcpSocket *listener) {
        ++connections;
        // The server's socket is the listener's child: both go together.
        auto *server = new QTcpSocket(listener);
        connect(listener, &QTcpSocket::readyRead, server,
                [listener, server] { server->write(listener->readAll()); });
        connect(server, &QTcpSocket::readyRead, listener, [this, listener, server] {
            const QByteArray bytes = server->readAll();
            sent += bytes;
            listener->write(bytes);
        });
        connect(listener, &QTcpSocket::disconnected, listener, &QObject::deleteLater);
        connect(server, &QTcpSocket::disconnected, listener, &QTcpSocket::disconnectFromHost);
        server->connectToHost(m_server.host(), quint16(m_server.port()));
    }

    QUrl m_server;
    QTcpServer m_listener;
};

// The audio of an ICY reply: its head and its metadata blocks left out, read here on its own terms
// rather than by the recorder's reader.
QByteArray IcyAudio(const QByteArray &reply) {
    const qsizetype body = reply.indexOf("\r\n\r\n") + 4;
    const QByteArray head = reply.left(body).toLower();
    const qsizetype at = head.indexOf("icy-metaint:");
    const qsizetype interval = head.mid(at + 12, head.indexOf('\r', at) - at - 12).trimmed().toLongLong();
    if (body < 4 || at < 0 || interval <= 0)
        return {};
    QByteArray audio;
    for (qsizetype i = body; i < reply.size();) {
        audio += reply.mid(i, interval);
        i += interval;
        if (i < reply.size())
            i += 1 + 16 * quint8(reply.at(i));
    }
    return audio;
}

struct Run {
    QStringList files; // as announced
    QString error;
};

// Waits for the recording to end on its own, or stops it once `until` holds.
Run Record(SongRecording &recording, const std::function<bool()> &until = {}) {
    Run run;
    QObject::connect(&recording, &SongRecording::fileFinished,
                     [&run](const QString &path) { run.files << path; });
    QSignalSpy finished(&recording, &SongRecording::finished);
    if (until && QTest::qWaitFor(until, 30000))
        recording.stop();
    if (finished.isEmpty() && !finished.wait(30000))
        qFatal("the recording did not end");
    run.error = finished.at(0).at(0).toString();
    return run;
}

} // namespace

class SongRecordingTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QByteArray m_mp3;

private slots:
    void initTestCase() {
        const QString tone = m_dir.filePath(QStringLiteral("tone.mp3"));
        QVERIFY(
            mediaprobe::Run(QStringLiteral("ffmpeg"),
                            {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=4", "-c:a",
                             "libmp3lame", "-b:a", "128k", "-id3v2_version", "0", "-write_xing", "0", tone}));
        m_mp3 = ReadAll(tone);
        QVERIFY(m_mp3.size() > 50000);
    }

    void init() { qputenv("TUNELARK_RECONNECT_LIMIT_MS", "500"); }

    // Titles as stations send them, one repeated, one with "/" and 300 characters: a file per song,
    // named and tagged after it, and all of them together the station's audio to the byte.
    void filePerSong() {
        const QByteArray longTitle = "AC/DC - " + QByteArray(300, 'x');
        StationScript script(m_mp3);
        script.then(Title("Artist One - Song One"))
            .then({})
            .then(Title("Artist One - Song One"))
            .then(Title(longTitle))
            .then(Title("Artist Three - Song Three"))
            .tail(700);
        RadioTestServer station(kHead + script.stream());
        station.setPace(333, 2);
        station.setKeepOpen(true);
        QTemporaryDir music;
        SongRecording recording(station.url(), music.path(), QString());
        recording.setDate(kDate);
        const Run run = Record(recording, [&] {
            return recording.currentFile().contains(QStringLiteral("Three")) &&
                   AudioOf(recording.currentFile()).size() == 700;
        });
        QCOMPARE(run.error, QString());
        const QString folder = music.filePath(QStringLiteral("Recorded_Test FM_031226"));
        QCOMPARE(recording.folder(), folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
        QCOMPARE(run.files.size(), 3);
        QCOMPARE(FileNames(run.files).at(0), QStringLiteral("01 Artist One - Song One (partial).mp3"));
        QVERIFY2(FileNames(run.files).at(1).startsWith(QStringLiteral("02 AC_DC - xxxx")),
                 qPrintable(run.files.at(1)));
        QVERIFY(FileNames(run.files).at(1).toUtf8().size() <= 200);
        QCOMPARE(FileNames(run.files).at(2), QStringLiteral("03 Artist Three - Song Three (partial).mp3"));
        QByteArray audio;
        for (const QString &file : run.files)
            audio += AudioOf(file);
        QCOMPARE(audio.size(), script.audio().size());
        QVERIFY(audio == script.audio());
        QCOMPARE(ProbeTag(run.files.at(0), QStringLiteral("title")), QStringLiteral("Song One"));
        QCOMPARE(ProbeTag(run.files.at(0), QStringLiteral("artist")), QStringLiteral("Artist One"));
        QCOMPARE(ProbeTag(run.files.at(0), QStringLiteral("comment")), QStringLiteral("Test FM"));
        // The tag keeps the whole title (as cleaned for showing: 256 characters); the name is cut.
        QCOMPARE(ProbeTag(run.files.at(1), QStringLiteral("title")), QString(248, u'x'));
        QCOMPARE(ProbeTag(run.files.at(1), QStringLiteral("artist")), QStringLiteral("AC/DC"));
    }

    // The connection drops; the station is tried again and the song goes on in the same file.
    void reconnectGoesOnWithTheFile() {
        qputenv("TUNELARK_RECONNECT_LIMIT_MS", "20000");
        StationScript first(m_mp3);
        first.then(Title("A - One")).tail(300);
        RadioTestServer station(kHead + first.stream());
        QTemporaryDir music;
        SongRecording recording(station.url(), music.path(), QStringLiteral("My Station"));
        StationScript second(m_mp3.mid(5000));
        second.then(Title("A - One")).then(Title("B - Two")).tail(200);
        QVERIFY(QTest::qWaitFor([&] { return station.requests.size() == 1; }));
        station.setReply(kHead + second.stream());
        station.setKeepOpen(true);
        const Run run = Record(recording, [&] {
            return station.requests.size() == 2 && recording.currentFile().contains(QStringLiteral("Two")) &&
                   AudioOf(recording.currentFile()).size() == 200;
        });
        QCOMPARE(run.error, QString());
        QCOMPARE(FileNames(run.files), (QStringList{"01 A - One (partial).mp3", "02 B - Two (partial).mp3"}));
        QVERIFY(AudioOf(run.files.at(0)) == first.audio() + second.audio().left(2000));
        QVERIFY(AudioOf(run.files.at(1)) == second.audio().mid(2000));
        QCOMPARE(ProbeTag(run.files.at(0), QStringLiteral("comment")), QStringLiteral("My Station"));
    }

    // A block that claims 4080 bytes, and the station closes before sending them: the recording ends
    // with a protocol error, and the sound that came before it is kept.
    void blockCutOff() {
        RadioTestServer station(kHead + m_mp3.left(1000) + char(255) + Title("A - One") +
                                QByteArray(100, ' '));
        QTemporaryDir music;
        SongRecording recording(station.url(), music.path(), QString());
        recording.setDate(kDate);
        const Run run = Record(recording);
        QCOMPARE(run.error,
                 QStringLiteral("The station went away: the station closed the connection in the middle "
                                "of a metadata block, a protocol error. The recording has ended."));
        QCOMPARE(FileNames(run.files), QStringList{"01 Test FM (partial).mp3"});
        QVERIFY(AudioOf(run.files.at(0)) == m_mp3.left(1000));
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("error"); // %1: the address
        QTest::newRow("a web page") << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html>")
                                    << QStringLiteral("%1 sent text/html, not a sound stream.");
        QTest::newRow("bad icy-metaint")
            << QByteArray("ICY 200 OK\r\nicy-metaint: -1\r\n\r\nsound")
            << QStringLiteral("127.0.0.1 sent a malformed icy-metaint header (\"-1\").");
        QTest::newRow("404") << QByteArray("HTTP/1.0 404 Not Found\r\n\r\n")
                             << QStringLiteral("Recording %1 failed: the server answered 404 Not Found.");
        QTest::newRow("nobody listens")
            << QByteArray()
            << QStringLiteral("Recording %1 failed: the connection to 127.0.0.1 failed: "
                              "Connection refused.");
    }
    void refused() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, error);
        RadioTestServer station(reply);
        QUrl address = station.url();
        QTcpServer closed;
        if (reply.isEmpty()) {
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            address.setPort(closed.serverPort());
            closed.close();
        }
        QTemporaryDir music;
        SongRecording recording(address, music.path(), QString());
        const Run run = Record(recording);
        QCOMPARE(run.error, error.replace(QStringLiteral("%1"), address.toString()));
        QVERIFY(run.files.isEmpty());
        QVERIFY(QDir(music.path()).isEmpty());
    }

    // The real radio server: three title changes through its admin interface make four files, the
    // first (the song playing when the recording began) and the last partial, each an MP3 that ffprobe
    // reads, tagged with the title that played, holding the station's tone; together they are the
    // server's audio as it sent it.
    void icecastTitleChanges() {
        const QStringList changes = {"Artist One - Song One", "Artist Two - Song Two",
                                     "Artist Three - Song Three"};
        QTemporaryDir music;
        StreamTap tap(QUrl(qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL")));
        SongRecording recording(tap.url(), music.path(), QStringLiteral("Tunelark Test Radio"));
        qsizetype changed = -1;
        // A new title once the current song's file has two seconds of sound (128 kbit/s).
        const Run run = Record(recording, [&] {
            if (recording.currentSize() < 32000 ||
                (changed >= 0 && !recording.currentFile().contains(changes.at(changed))))
                return false;
            if (++changed == changes.size())
                return true;
            const QString error = SetIcecastTitle(changes.at(changed));
            if (!error.isEmpty())
                qFatal("the title could not be set: %s", qPrintable(error));
            return false;
        });
        QCOMPARE(run.error, QString());
        const QStringList names = FileNames(run.files);
        QCOMPARE(names.mid(1), (QStringList{"02 Artist One - Song One.mp3", "03 Artist Two - Song Two.mp3",
                                            "04 Artist Three - Song Three (partial).mp3"}));
        QVERIFY2(names.first().startsWith(QStringLiteral("01 ")) &&
                     names.first().endsWith(QStringLiteral(" (partial).mp3")),
                 qPrintable(names.first()));
        for (int i = 0; i < run.files.size(); ++i) {
            const QString &file = run.files.at(i);
            if (i > 0)
                QCOMPARE(ProbeTag(file, QStringLiteral("title")),
                         changes.at(i - 1).section(QStringLiteral(" - "), 1));
            QCOMPARE(ProbeTag(file, QStringLiteral("comment")), QStringLiteral("Tunelark Test Radio"));
            const std::optional<mediaprobe::Mp3Facts> facts = mediaprobe::Probe(file);
            QVERIFY2(facts, qPrintable(file));
            QCOMPARE(facts->sampleRate, 44100);
            QVERIFY2(facts->duration > 1.5, qPrintable(file));
            const auto left = mediaprobe::DecodeLeft(file);
            QVERIFY(left);
            // A file begins and ends inside an MP3 frame of the stream: judge the sound between.
            const double frequency =
                mediaprobe::ToneFrequency(left->mid(left->size() / 10, left->size() * 8 / 10), 44100);
            QVERIFY2(qAbs(frequency - 440) < 5,
                     qPrintable(QStringLiteral("%1: %2 Hz").arg(file).arg(frequency)));
        }
        // The files hold the audio from the reply's first byte without a gap, a repeat or a stray
        // metadata byte; what the server sent after them had not been read when the recording stopped.
        QCOMPARE(tap.connections, 1);
        QByteArray audio;
        for (const QString &file : run.files)
            audio += AudioOf(file);
        const QByteArray sent = IcyAudio(tap.sent);
        QVERIFY2(audio.size() > 4 * 32000 && audio.size() <= sent.size(),
                 qPrintable(QStringLiteral("%1 bytes saved of %2").arg(audio.size()).arg(sent.size())));
        QVERIFY(sent.startsWith(audio));
    }
};

QTEST_GUILESS_MAIN(SongRecordingTest)
#include "tst_song_recording.moc"
