#include "common/rounding.h"
#include "common/runtime-error.h"

#include <QTest>

#include <cfenv>
#include <cmath>
#include <limits>

using namespace common;

class RoundingTest : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        const std::pair<const char *, int> modes[] = {{"to nearest", FE_TONEAREST},
                                                      {"upward", FE_UPWARD},
                                                      {"downward", FE_DOWNWARD},
                                                      {"toward zero", FE_TOWARDZERO}};
        const std::pair<double, double> cases[] = {
            {2293.5, 2294}, {176.5, 176},   {0.5, 0},       {1.5, 2},   {-0.5, 0}, {-1.5, -2},
            {-2.5, -2},     {2.4999999, 2}, {2.5000001, 3}, {-2.6, -3}, {7.0, 7},  {1e300, 1e300},
        };
        for (const auto &[modeName, mode] : modes)
            for (const auto &[value, rounded] : cases)
                QTest::addRow("%s %g", modeName, value) << mode << value << rounded;
    }
    void roundsHalvesToEven() {
        QFETCH(int, mode);
        QFETCH(double, value);
        QFETCH(double, rounded);
        const int previousMode = std::fegetround();
        std::fesetround(mode);
        const double result = RoundHalfEven(value);
        std::fesetround(previousMode);
        QCOMPARE(result, rounded);
    }

    // Each case rounded to a 16-bit (bits 16) or a 32-bit (bits 32) integer.
    void roundsToInteger_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("top") << 16 << 32767.4 << qint64(32767);
        QTest::newRow("bottom half") << 16 << -32768.5 << qint64(-32768);
        QTest::newRow("half to even") << 16 << 2.5 << qint64(2);
        QTest::newRow("negative") << 16 << -7.6 << qint64(-8);
        QTest::newRow("32 bits: top") << 32 << 2147483647.4 << qint64(2147483647);
        QTest::newRow("32 bits: bottom half") << 32 << -2147483648.5 << qint64(-2147483648LL);
        QTest::newRow("32 bits: past 16 bits") << 32 << 192000.5 << qint64(192000);
    }
    void roundsToInteger() {
        QFETCH(int, bits);
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(bits == 16 ? qint64(RoundToInt16(value)) : qint64(RoundToInt32(value)), rounded);
    }

    void overflowsOutsideInteger_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("value");
        QTest::newRow("above") << 16 << 32767.5;
        QTest::newRow("below") << 16 << -32768.6;
        QTest::newRow("far") << 16 << 1e10;
        QTest::newRow("NaN") << 16 << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinity") << 16 << -std::numeric_limits<double>::infinity();
        QTest::newRow("32 bits: above") << 32 << 2147483647.5;
        QTest::newRow("32 bits: below") << 32 << -2147483648.6;
        QTest::newRow("32 bits: 1e39") << 32 << 1e39;
        QTest::newRow("32 bits: NaN") << 32 << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("32 bits: infinity") << 32 << std::numeric_limits<double>::infinity();
    }
    void overflowsOutsideInteger() {
        QFETCH(int, bits);
        QFETCH(double, value);
        try {
            if (bits == 16)
                RoundToInt16(value);
            else
                RoundToInt32(value);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(ErrOverflow));
            QCOMPARE(error.description(), QStringLiteral("Overflow"));
        }
    }
};

QTEST_GUILESS_MAIN(RoundingTest)
#include "rounding-test.moc"
