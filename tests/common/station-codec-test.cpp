#include "common/station-codec.h"

#include <QRegularExpression>
#include <QTest>

#include <initializer_list>
#include <vector>

using namespace common;

namespace {

// A source of R that hands out the given numbers in turn.
RandomDigits Sequence(std::initializer_list<int> numbers) {
    return [values = std::vector<int>(numbers), next = std::size_t(0)]() mutable {
        return values[next++ % values.size()];
    };
}

bool IsDigits(const QString &text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    return digits.match(text).hasMatch();
}

} // namespace

class StationCodecTest : public QObject {
    Q_OBJECT

private slots:
    void encodesWithGivenR() {
        QCOMPARE(EncodeLineWith(QStringLiteral("abc"), Sequence({42, 17, 93})),
                 QStringLiteral("422291719093317"));
        QCOMPARE(EncodeBytes(QByteArray(), Sequence({42})), QString());
        QCOMPARE(EncodeLine(QString()), QString());
    }

    void refusesROutsideRange() {
        QCOMPARE(EncodeBytes("ab", Sequence({42, 9})), QStringLiteral("0"));
        QCOMPARE(EncodeBytes("a", Sequence({100})), QStringLiteral("0"));
    }

    void roundTripsEveryByteWithEveryR() {
        for (int r = 10; r <= 99; ++r) {
            for (int code = 0; code <= 255; ++code) {
                const QByteArray byte(1, static_cast<char>(code));
                const QString line = EncodeBytes(byte, Sequence({r}));
                QByteArray decoded;
                const bool ok = DecodeBytes(line, &decoded);
                if (line.size() != 5 || !IsDigits(line) || !ok || decoded != byte)
                    QFAIL(qPrintable(
                        QStringLiteral("code %1 with R %2 gave \"%3\"").arg(code).arg(r).arg(line)));
            }
        }
    }

    void decodesLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("one digit") << "1"
                                   << "";
        QTest::newRow("two digits") << "12"
                                    << "";
        QTest::newRow("two non-digits") << "ab"
                                        << "";
        QTest::newRow("whole groups") << "422291719093317"
                                      << "abc";
        QTest::newRow("one spare digit") << "42229171909"
                                         << "ab";
        QTest::newRow("two spare digits") << "422291719093"
                                          << "ab";
        QTest::newRow("spare character not parsed") << "42229x"
                                                    << "a";
        QTest::newRow("three spare digits") << "42229009" << QStringLiteral("a\x05");
        QTest::newRow("four spare digits") << "422291099"
                                           << "a2";
        QTest::newRow("byte above 127, spare digit") << "605050" << QStringLiteral("\u00F6");
        QTest::newRow("letter in R") << "4x229"
                                     << "0";
        QTest::newRow("letter in W") << "422a9"
                                     << "0";
        QTest::newRow("letter in short group") << "42229"
                                                  "10a"
                                               << "0";
        QTest::newRow("leading blank") << " 42229"
                                       << "0";
        QTest::newRow("full-width digits") << QStringLiteral("４２２２９") << "0";
        QTest::newRow("code below 0") << "10000"
                                      << "0";
        QTest::newRow("code above 255") << "99999"
                                        << "0";
        QTest::newRow("short group below 0") << "42229"
                                                "425"
                                             << "0";
    }
    void decodesLines() {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QCOMPARE(DecodeLine(line), text);
    }

    void roundTripsText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("record") << "Radio One ==> http://stream.example.com:8000/live";
        QTest::newRow("accents and dash") << "Café – Ünïcödé";
        QTest::newRow("outside the BMP") << "📻 Radio ==> http://x";
        QTest::newRow("control characters") << QStringLiteral("a\tb\nc\x01");
        QTest::newRow("NUL") << QString(QChar(0)) + QStringLiteral("x");
    }
    void roundTripsText() {
        QFETCH(QString, text);
        const QString line = EncodeLine(text);
        QVERIFY(IsDigits(line));
        QCOMPARE(line.size(), text.toUtf8().size() * 5);
        QCOMPARE(DecodeLine(line), text);
    }

    void drawsFreshRForEachLine() {
        const QString text = QStringLiteral("Same station ==> http://same.example.com/stream");
        const QString first = EncodeLine(text);
        const QString second = EncodeLine(text);
        QVERIFY(first != second);
        QCOMPARE(DecodeLine(first), text);
        QCOMPARE(DecodeLine(second), text);
    }

    void readsWindows1252Records_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("e acute") << QByteArray("Caf\xE9") << "Café";
        QTest::newRow("euro") << QByteArray("\x80") << "€";
        QTest::newRow("high table") << QByteArray("\x85\x93\x94\x99\x9F") << "…“”™Ÿ";
        QTest::newRow("undefined codes kept")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("Latin-1 part") << QByteArray("\xA0\xFF") << QStringLiteral("\u00A0ÿ");
        QTest::newRow("valid UTF-8 wins") << QByteArray("Caf\xC3\xA9") << "Café";
    }
    void readsWindows1252Records() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFromRecordBytes(bytes), text);
        QCOMPARE(DecodeLine(EncodeBytes(bytes, Sequence({10, 55, 99}))), text);
    }
};

QTEST_GUILESS_MAIN(StationCodecTest)
#include "station-codec-test.moc"
