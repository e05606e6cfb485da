// The title a station sends, made fit to show: one line, bounded, and "now playing" before the
// artist and title of Ogg comments; a stream's title alone is the station's name, not a song.

#include "platform/media/stream-title.h"

#include <QtTest>

using platform::media::CleanStreamTitle;
using platform::media::kMaxStreamTitleLength;
using platform::media::StreamTitleFromMeta;

class StreamTitleTest : public QObject {
    Q_OBJECT
private slots:
    void cleans_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("as sent") << "Artist - Title" << "Artist - Title";
        QTest::newRow("control characters and runs of blanks")
            << QStringLiteral("  A\r\nB\t\x01 C\u2028D\u0085  ") << "A B C D";
        QTest::newRow("only blanks") << " \t " << "";
        const QString longTitle = QString(kMaxStreamTitleLength - 1, u'x') + QStringLiteral("\U0001F3B5");
        QTest::newRow("cut before half a surrogate pair") << longTitle << QString(kMaxStreamTitleLength - 1, u'x');
        QTest::newRow("very long") << QString(100000, u'y') << QString(kMaxStreamTitleLength, u'y');
    }

    void cleans() {
        QFETCH(QString, raw);
        QFETCH(QString, shown);
        QCOMPARE(CleanStreamTitle(raw), shown);
    }

    void choosesFromTheMetadata_data() {
        QTest::addColumn<QString>("nowPlaying");
        QTest::addColumn<QString>("artist");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ICY title") << "Band - Song" << "" << "Tunelark Radio" << "Band - Song";
        QTest::newRow("now playing wins") << "Band - Song" << "Other" << "Tune" << "Band - Song";
        QTest::newRow("Ogg comments") << "" << "Band" << "Song" << "Band - Song";
        QTest::newRow("station name only") << "" << "" << "Tunelark Radio" << "";
        QTest::newRow("artist without title") << "" << "Band" << " " << "";
    }

    void choosesFromTheMetadata() {
        QFETCH(QString, nowPlaying);
        QFETCH(QString, artist);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QCOMPARE(StreamTitleFromMeta(nowPlaying, artist, title), shown);
    }
};

QTEST_GUILESS_MAIN(StreamTitleTest)
#include "tst_stream_title.moc"
