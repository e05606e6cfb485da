// The ICY reader on streams built byte by byte: the icy-metaint values it takes and refuses, the titles
// it reads out of metadata blocks as stations really send them, and the split of a stream into audio
// and blocks however the network cuts it into pieces.

#include "player/recording/icy-reader.h"
#include "tests/player/recording/icy-split.h"

#include <QtTest>

using icysplit::Read;
using icysplit::Split;

namespace {

// A stream with `interval` audio bytes before each of `blocks` (each padded with NUL to whole 16 bytes).
QByteArray IcyStream(qint64 interval, const QList<QByteArray> &blocks, QByteArray *audio) {
    QByteArray stream;
    for (const QByteArray &block : blocks) {
        QByteArray sound;
        for (qint64 i = 0; i < interval; ++i)
            sound += char((audio->size() + i) * 31 % 251);
        *audio += sound;
        const qsizetype units = (block.size() + 15) / 16;
        stream += sound + char(units) + block + QByteArray(units * 16 - block.size(), '\0');
    }
    return stream;
}

} // namespace

class IcyReaderTest : public QObject {
    Q_OBJECT
private slots:
    void metaInterval_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<qint64>("interval"); // -1: a protocol error
        QTest::newRow("missing: no titles") << QByteArray() << qint64(0);
        QTest::newRow("Icecast's") << QByteArray("16000") << qint64(16000);
        QTest::newRow("the largest taken") << QByteArray("1048576") << qint64(1048576);
        QTest::newRow("one more") << QByteArray("1048577") << qint64(-1);
        QTest::newRow("zero") << QByteArray("0") << qint64(-1);
        QTest::newRow("negative") << QByteArray("-8192") << qint64(-1);
        QTest::newRow("not a number") << QByteArray("8k") << qint64(-1);
        QTest::newRow("huge") << QByteArray("99999999999999999999") << qint64(-1);
    }
    void metaInterval() {
        QFETCH(QByteArray, header);
        QFETCH(qint64, interval);
        QCOMPARE(recording::MetaIntervalFromHeader(header).value_or(-1), interval);
    }

    void streamTitle_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("title"); // "<none>" when the block names no title
        QTest::newRow("Icecast") << QByteArray("StreamTitle='Artist - Title';")
                                 << QStringLiteral("Artist - Title");
        QTest::newRow("with the address after it")
            << QByteArray("StreamTitle='Artist - Title';StreamUrl='http://x/';")
            << QStringLiteral("Artist - Title");
        QTest::newRow("quotes inside") << QByteArray("StreamTitle='Guns N' Roses - Sweet Child o' Mine';")
                                       << QStringLiteral("Guns N' Roses - Sweet Child o' Mine");
        QTest::newRow("quote and semicolon inside")
            << QByteArray("StreamTitle='Don';t Stop - Band';StreamUrl='';")
            << QStringLiteral("Don';t Stop - Band");
        QTest::newRow("no closing semicolon") << QByteArray("StreamTitle='Song'") << QStringLiteral("Song");
        QTest::newRow("no closing quote") << QByteArray("StreamTitle='Song") << QStringLiteral("Song");
        QTest::newRow("empty: between songs") << QByteArray("StreamTitle='';") << QString();
        QTest::newRow("NUL padding") << QByteArray("StreamTitle='Song';\0\0\0", 22) << QStringLiteral("Song");
        QTest::newRow("UTF-8") << QByteArray("StreamTitle='Bj\xc3\xb6rk - J\xc3\xb3ga';")
                               << QStringLiteral("Björk - Jóga");
        QTest::newRow("Latin-1") << QByteArray("StreamTitle='Caf\xe9 del Mar';")
                                 << QStringLiteral("Café del Mar");
        QTest::newRow("Windows-1252")
            << QByteArray("StreamTitle='\x93Hello\x94 \x96 Band';") << QStringLiteral("“Hello” – Band");
        QTest::newRow("control characters")
            << QByteArray("StreamTitle='One\r\nTwo\tThree';") << QStringLiteral("One Two Three");
        QTest::newRow("no title in it") << QByteArray("StreamUrl='http://x/';") << QStringLiteral("<none>");
        QTest::newRow("nothing") << QByteArray() << QStringLiteral("<none>");
    }
    void streamTitle() {
        QFETCH(QByteArray, block);
        QFETCH(QString, title);
        QCOMPARE(recording::StreamTitleFromMetadata(block).value_or(QStringLiteral("<none>")), title);
    }

    // However the network cuts the stream, the same audio and the same blocks come out in order.
    void split_data() {
        QTest::addColumn<int>("piece");
        for (const int piece : {1, 2, 15, 16, 17, 4097, 100000})
            QTest::addRow("pieces of %d bytes", piece) << piece;
    }
    void split() {
        QFETCH(int, piece);
        const QList<QByteArray> blocks = {"StreamTitle='One';", "", QByteArray(4080, 'x'),
                                          "StreamTitle='Two';"};
        QByteArray audio;
        const QByteArray stream = IcyStream(16, blocks, &audio) + "tail";
        const Split split = Read(16, stream, piece);
        QCOMPARE(split.audio, audio + "tail");
        QCOMPARE(split.blocks, blocks);
        QVERIFY(!split.cut);
    }

    void streamWithoutTitlesIsAllAudio() {
        const QByteArray stream("\x05StreamTitle='x';\0", 18);
        const Split split = Read(0, stream, 5);
        QCOMPARE(split.audio, stream);
        QVERIFY(split.blocks.isEmpty());
    }

    // A block claiming 4080 bytes that never come: the reader knows the stream was cut inside it.
    void cutInsideABlock() {
        const Split split = Read(16, QByteArray(16, 'a') + char(255) + QByteArray(100, 'm'), 7);
        QCOMPARE(split.audio, QByteArray(16, 'a'));
        QVERIFY(split.blocks.isEmpty());
        QVERIFY(split.cut);
    }
};

QTEST_GUILESS_MAIN(IcyReaderTest)
#include "tst_icy_reader.moc"
