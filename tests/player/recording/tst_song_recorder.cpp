// The per-song files on a real folder: names made safe from what stations send, the extension from the
// stream's type, the ID3v2 tag bytes, the split at title changes with the first and last song marked
// partial, numbering that goes on after an earlier recording, and a folder that vanishes.

#include "player/recording/icy-reader.h"
#include "player/recording/id3v2-tag.h"
#include "player/recording/song-file-name.h"
#include "player/recording/song-recorder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using recording::SongRecorder;

namespace {

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FileNames(const QStringList &paths) {
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace

class SongRecorderTest : public QObject {
    Q_OBJECT
private slots:
    void fileName_data() {
        QTest::addColumn<QString>("song");
        QTest::addColumn<bool>("partial");
        QTest::addColumn<QString>("name"); // empty: only the bounds are checked
        QTest::newRow("plain") << QStringLiteral("Artist - Title") << false
                               << QStringLiteral("07 Artist - Title.mp3");
        QTest::newRow("partial") << QStringLiteral("Artist - Title") << true
                                 << QStringLiteral("07 Artist - Title (partial).mp3");
        QTest::newRow("slash") << QStringLiteral("AC/DC - Back/In/Black") << false
                               << QStringLiteral("07 AC_DC - Back_In_Black.mp3");
        QTest::newRow("what Windows refuses") << QStringLiteral("Why? \"Now\" <Live>: A\\B|C*") << false
                                              << QStringLiteral("07 Why_ _Now_ _Live__ A_B_C_.mp3");
        QTest::newRow("control characters") << QStringLiteral("One\nTwo\x01Three\u2028Four") << false
                                            << QStringLiteral("07 One Two Three Four.mp3");
        QTest::newRow("leading dots")
            << QStringLiteral("..hidden. ") << false << QStringLiteral("07 hidden.mp3");
        QTest::newRow("nothing usable") << QStringLiteral("/") << false << QStringLiteral("07 _.mp3");
        QTest::newRow("empty") << QStringLiteral(" \t") << false << QStringLiteral("07 Unknown.mp3");
        QTest::newRow("300 characters") << QString(300, u'a') << false << QString();
        QTest::newRow("300 characters of three bytes") << QString(300, QChar(0x266B)) << true << QString();
        QTest::newRow("300 characters of four bytes")
            << QStringLiteral("\U0001F3B5").repeated(300) << true << QString();
    }
    void fileName() {
        QFETCH(QString, song);
        QFETCH(bool, partial);
        QFETCH(QString, name);
        const QString made = recording::SongFileName(7, song, partial, QStringLiteral("mp3"));
        if (!name.isEmpty())
            QCOMPARE(made, name);
        QVERIFY2(made.toUtf8().size() <= recording::kMaxSongFileNameBytes, qPrintable(made));
        // Even the mark added at the end keeps the name within bounds.
        QVERIFY(recording::SongFileName(7, song, true, QStringLiteral("mp3")).toUtf8().size() <=
                recording::kMaxSongFileNameBytes);
        QVERIFY(made.isValidUtf16());
        QVERIFY(!made.contains(u'/'));
        QVERIFY(made.startsWith(QStringLiteral("07 ")));
        QVERIFY(made.endsWith(partial ? QStringLiteral(" (partial).mp3") : QStringLiteral(".mp3")));
    }

    void folderName() {
        QCOMPARE(recording::SongFolderName(QStringLiteral("Radio 1/Live"), QDate(2026, 12, 3)),
                 QStringLiteral("Recorded_Radio 1_Live_031226"));
        QCOMPARE(recording::SongFolderName(QStringLiteral("..."), QDate(2026, 1, 9)),
                 QStringLiteral("Recorded_Radio_090126"));
    }

    void extension_data() {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("extension");
        QTest::newRow("MP3") << QByteArray("audio/mpeg") << QStringLiteral("mp3");
        QTest::newRow("none named") << QByteArray() << QStringLiteral("mp3");
        QTest::newRow("with parameters") << QByteArray("Audio/MPEG; charset=x") << QStringLiteral("mp3");
        QTest::newRow("AAC+") << QByteArray("audio/aacp") << QStringLiteral("aac");
        QTest::newRow("Ogg") << QByteArray("application/ogg") << QStringLiteral("ogg");
        QTest::newRow("Opus") << QByteArray("audio/opus") << QStringLiteral("opus");
        QTest::newRow("FLAC") << QByteArray("audio/x-flac") << QStringLiteral("flac");
        QTest::newRow("another sound") << QByteArray("audio/x-wav") << QStringLiteral("wav");
        QTest::newRow("odd sound") << QByteArray("audio/../../x") << QStringLiteral("audio");
        QTest::newRow("a web page") << QByteArray("text/html") << QString();
        QTest::newRow("an M3U playlist") << QByteArray("audio/x-mpegurl") << QString();
        QTest::newRow("a PLS playlist") << QByteArray("audio/x-scpls") << QString();
    }
    void extension() {
        QFETCH(QByteArray, contentType);
        QFETCH(QString, extension);
        QCOMPARE(recording::ExtensionForContentType(contentType), extension);
    }

    void id3Tag() {
        const QByteArray tag =
            recording::Id3v2Tag(QStringLiteral("Jóga"), QStringLiteral("Björk"), QStringLiteral("Test FM"));
        const QByteArray tit2 = QByteArray("TIT2\0\0\0\x06\0\0\x03", 11) + "J\xc3\xb3ga";
        const QByteArray tpe1 = QByteArray("TPE1\0\0\0\x07\0\0\x03", 11) + "Bj\xc3\xb6rk";
        const QByteArray comm = QByteArray("COMM\0\0\0\x0c\0\0\x03", 11) + QByteArray("eng\0Test FM", 11);
        const QByteArray frames = tit2 + tpe1 + comm;
        QCOMPARE(tag, QByteArray("ID3\x04\0\0\0\0\0", 9) + char(frames.size()) + frames);
        // Without an artist, its frame is left out.
        QVERIFY(!recording::Id3v2Tag(QStringLiteral("T"), QString(), QStringLiteral("S")).contains("TPE1"));
        // Sizes of 128 bytes and more are written 7 bits a byte.
        const QByteArray long_ = recording::Id3v2Tag(QString(200, u'x'), QString(), QString());
        QCOMPARE(long_.mid(6, 4), QByteArray("\0\0\x01\x53", 4)); // 10 + 1 + 200 = 211 = 1·128 + 83
    }

    // Audio that comes before the first title waits for it; each new title starts a file; the files
    // together hold every audio byte; a recording later the same day goes on numbering.
    void splitsAtTitleChanges() {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("Recorded_Test FM_031226"));
        QStringList files;
        for (int round = 0; round < 2; ++round) {
            SongRecorder recorder(folder, QStringLiteral("Test FM"), QStringLiteral("ogg"), true);
            QVERIFY(recorder.write("before").isEmpty());
            QVERIFY(recorder.currentFile().isEmpty());
            QVERIFY(recorder.songNamed(QStringLiteral("A - One")).isEmpty());
            QVERIFY(recorder.write("-one").isEmpty());
            QVERIFY(recorder.songNamed(std::nullopt).isEmpty());              // an empty block
            QVERIFY(recorder.songNamed(QStringLiteral("A - One")).isEmpty()); // the same title again
            QVERIFY(recorder.write("-more").isEmpty());
            QVERIFY(recorder.songNamed(QStringLiteral("B - Two")).isEmpty());
            QVERIFY(recorder.write("two").isEmpty());
            QCOMPARE(recorder.currentSize(), 3);
            QVERIFY(recorder.songNamed(QString()).isEmpty()); // between songs: named after the station
            QVERIFY(recorder.write("talk").isEmpty());
            QVERIFY(recorder.finish().isEmpty());
            files += recorder.finishedFiles();
        }
        QCOMPARE(FileNames(files),
                 (QStringList{"01 A - One (partial).ogg", "02 B - Two.ogg", "03 Test FM (partial).ogg",
                              "04 A - One (partial).ogg", "05 B - Two.ogg", "06 Test FM (partial).ogg"}));
        QCOMPARE(ReadAll(files[0]), QByteArray("before-one-more"));
        QCOMPARE(ReadAll(files[1]), QByteArray("two"));
        QCOMPARE(ReadAll(files[2]), QByteArray("talk"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 6);
    }

    // MP3 files start with the tag; a stream without titles is one file named after the station.
    void mp3WithoutTitles() {
        QTemporaryDir root;
        SongRecorder recorder(root.path(), QStringLiteral("Test FM"), QStringLiteral("mp3"), false);
        QVERIFY(recorder.write("audio").isEmpty());
        QVERIFY(recorder.write("more").isEmpty());
        QVERIFY(recorder.finish().isEmpty());
        QCOMPARE(FileNames(recorder.finishedFiles()), QStringList{"01 Test FM (partial).mp3"});
        QCOMPARE(ReadAll(recorder.finishedFiles().first()),
                 recording::Id3v2Tag(QString(), QString(), QStringLiteral("Test FM")) + "audiomore");
    }

    // More sound than one icy-metaint interval without a title (the stream broke off and came back
    // before naming its song) is not held: it is saved under the station's name, and the title that
    // comes later starts its own file.
    void soundWithoutTitleIsNotHeldBeyondAnInterval() {
        QTemporaryDir root;
        SongRecorder recorder(root.path(), QStringLiteral("Test FM"), QStringLiteral("aac"), true);
        const QByteArray interval(recording::kMaxMetaInterval, 'a');
        QVERIFY(recorder.write(interval).isEmpty());
        QVERIFY(recorder.currentFile().isEmpty());
        QVERIFY(recorder.write("b").isEmpty());
        QCOMPARE(QFileInfo(recorder.currentFile()).fileName(), QStringLiteral("01 Test FM (partial).aac"));
        QCOMPARE(recorder.currentSize(), interval.size() + 1);
        QVERIFY(recorder.songNamed(QStringLiteral("A - One")).isEmpty());
        QVERIFY(recorder.finish().isEmpty());
        QCOMPARE(FileNames(recorder.finishedFiles()),
                 (QStringList{"01 Test FM (partial).aac", "02 A - One (partial).aac"}));
    }

    // The folder vanishes under the recording: the next file cannot be made, and the recording is over.
    void folderVanishes() {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("songs"));
        SongRecorder recorder(folder, QStringLiteral("Test FM"), QStringLiteral("aac"), true);
        QVERIFY(recorder.songNamed(QStringLiteral("One")).isEmpty());
        QVERIFY(recorder.write("one").isEmpty());
        QVERIFY(QDir(folder).removeRecursively());
        const QString error = recorder.songNamed(QStringLiteral("Two"));
        QVERIFY2(error.startsWith(QStringLiteral("The file ") + folder +
                                  QStringLiteral("/02 Two.aac cannot be created: ")),
                 qPrintable(error));
        QCOMPARE(recorder.write("two"), error);
        QVERIFY(recorder.finish().isEmpty());
        QCOMPARE(FileNames(recorder.finishedFiles()), QStringList{"01 One (partial).aac"});
    }

    // The disk takes no more (a file size limit stands in for a full disk): the write says why, the
    // file keeps what it took and is marked partial, and the recording is over.
    void diskRefusesWrites() {
        QTemporaryDir root;
        SongRecorder recorder(root.path(), QStringLiteral("Test FM"), QStringLiteral("aac"), true);
        QVERIFY(recorder.songNamed(QStringLiteral("A - One")).isEmpty());
        QVERIFY(recorder.songNamed(QStringLiteral("B - Two")).isEmpty());
        QVERIFY(recorder.write(QByteArray(1000, 'a')).isEmpty());
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const QString error = recorder.write(QByteArray(10000, 'b'));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY2(error.startsWith(QStringLiteral("Writing ") + root.path() +
                                  QStringLiteral("/02 B - Two.aac failed: ")),
                 qPrintable(error));
        QCOMPARE(recorder.songNamed(QStringLiteral("C - Three")), error);
        QVERIFY(recorder.finish().isEmpty());
        QCOMPARE(FileNames(recorder.finishedFiles()),
                 (QStringList{"01 A - One (partial).aac", "02 B - Two (partial).aac"}));
        QCOMPARE(QFileInfo(recorder.finishedFiles().last()).size(), 4096);
    }
};

QTEST_GUILESS_MAIN(SongRecorderTest)
#include "tst_song_recorder.moc"
