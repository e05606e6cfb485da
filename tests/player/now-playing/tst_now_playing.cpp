// The song history file, the reconnect timetable and the title line, without a station: what is kept,
// what is read back from a damaged or foreign file, when retries come, how a long title slides.

#include "player/now-playing/artist-title.h"
#include "player/now-playing/now-playing-line.h"
#include "player/now-playing/reconnect-policy.h"
#include "player/now-playing/song-history.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using now_playing::NowPlayingLine;
using now_playing::ReconnectPolicy;
using now_playing::Song;
using now_playing::SongHistory;

namespace {

Song At(int minute, const QString &station, const QString &title) {
    return {QDateTime(QDate(2026, 12, 10), QTime(20, minute), Qt::OffsetFromUTC, 3600), station, title};
}

} // namespace

class NowPlayingTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString file(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void keepsTheLastHundredNewestFirst() {
        SongHistory history(file("a/b/history.tsv")); // folders made on the first save
        for (int i = 0; i < 105; ++i)
            QVERIFY(history.add(At(i % 60, "Radio\tOne", QStringLiteral("Song %1").arg(i))));
        QVERIFY(history.add(At(59, "Radio\tOne", "Song 104"))); // the same song again: no new line
        QCOMPARE(history.songs().size(), SongHistory::kMaxSongs);
        QCOMPARE(history.songs().first().title, QStringLiteral("Song 104"));
        QCOMPARE(history.songs().last().title, QStringLiteral("Song 5"));

        SongHistory again(file("a/b/history.tsv"));
        again.load();
        QCOMPARE(again.songs().size(), SongHistory::kMaxSongs);
        QCOMPARE(again.songs().first(), At(44, "Radio One", "Song 104")); // the tab could not stay
        QCOMPARE(QDir(file("a/b")).entryList(QDir::Files), QStringList{"history.tsv"}); // no temporary left
    }

    void readsWhatItCanOfADamagedFile() {
        QFile damaged(file("damaged.tsv"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("2026-12-10T20:01:00+01:00\tRadio\tGood One\n"
                      "not a time\tRadio\tBad Time\n"
                      "2026-12-10T20:02:00+01:00\tOnly two fields\n"
                      "2026-12-10T20:03:00+01:00\tRadio\t\n"
                      "\xff\xfe\x02\x01 binary\n"
                      "2026-12-10T20:04:00+01:00\tRadio\tGood Two\tExtra\n"
                      "2026-12-10T20:05:00+01:00\tRadio\tGood Three");
        damaged.close();
        SongHistory history(file("damaged.tsv"));
        history.load();
        QCOMPARE(history.songs(), (QList<Song>{At(1, "Radio", "Good One"), At(5, "Radio", "Good Three")}));

        SongHistory missing(file("none.tsv"));
        missing.load();
        QVERIFY(missing.songs().isEmpty());
    }

    void keepsSongsInMemoryWhenTheFileCannotBeWritten() {
        QFile blocker(file("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        SongHistory history(file("blocker/history.tsv"));
        QVERIFY(!history.add(At(1, "Radio", "Song")));
        QCOMPARE(history.songs().size(), 1);
    }

    void splitsArtistAndTitle_data() {
        QTest::addColumn<QString>("streamTitle");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::newRow("artist and title") << "Band - Song" << "Band" << "Song";
        QTest::newRow("at the first separator") << "A - B - C" << "A" << "B - C";
        QTest::newRow("hyphen without blanks") << "Jay-Z" << "" << "Jay-Z";
        QTest::newRow("no artist") << " - Song" << "" << "- Song";
        QTest::newRow("no title") << "Band - " << "" << "Band -";
        QTest::newRow("empty") << "" << "" << "";
    }

    void splitsArtistAndTitle() {
        QFETCH(QString, streamTitle);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        const now_playing::ArtistTitle split = now_playing::SplitArtistTitle(streamTitle);
        QCOMPARE(split.artist, artist);
        QCOMPARE(split.title, title);
    }

    void reconnectTimetable() {
        qunsetenv("TUNELARK_RECONNECT_LIMIT_MS");
        ReconnectPolicy policy;
        QCOMPARE(policy.limitMs(), 5 * 60 * 1000);
        QCOMPARE(policy.nextDelayMs(), std::nullopt); // no drop yet
        policy.start();
        QList<int> delays;
        for (int i = 0; i < 7; ++i)
            delays.append(policy.nextDelayMs().value_or(-1));
        QCOMPARE(delays, (QList<int>{1000, 2000, 4000, 8000, 16000, 30000, 30000}));
        policy.stop();
        QCOMPARE(policy.nextDelayMs(), std::nullopt);

        // No attempt is planned past the limit, counted from the drop.
        qputenv("TUNELARK_RECONNECT_LIMIT_MS", "2500");
        ReconnectPolicy shortPolicy;
        shortPolicy.start();
        QCOMPARE(shortPolicy.nextDelayMs(), 1000);
        QCOMPARE(shortPolicy.nextDelayMs(), 2000);
        QCOMPARE(shortPolicy.nextDelayMs(), std::nullopt);
        shortPolicy.start(); // a new drop starts the timetable again
        QCOMPARE(shortPolicy.nextDelayMs(), 1000);
        qunsetenv("TUNELARK_RECONNECT_LIMIT_MS");
    }

    void lineHidesSlidesAndStops() {
        QWidget display;
        display.resize(180, 138);
        NowPlayingLine line(&display);
        line.setGeometry(0, 0, 180, 20);
        display.show();
        QVERIFY(!line.isVisible());

        line.setText("Short");
        QVERIFY(line.isVisible());
        QVERIFY(!line.sliding());

        line.setText(QString(20, u'W') + " - A Title Far Too Long For The Display Area");
        QVERIFY(line.sliding());
        QTRY_VERIFY(line.offset() > 3);

        line.setText(QString());
        QVERIFY(!line.isVisible());
        QVERIFY(!line.sliding());
        QCOMPARE(line.offset(), 0);
    }
};

QTEST_MAIN(NowPlayingTest)
#include "tst_now_playing.moc"
