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

    void roundsToInt16_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("top") << 32767.4 << 32767;
        QTest::newRow("bottom half") << -32768.5 << -32768;
        QTest::newRow("half to even") << 2.5 << 2;
        QTest::newRow("negative") << -7.6 << -8;
    }
    void roundsToInt16() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(int(RoundToInt16(value)), rounded);
    }

    void overflowsOutsideInt16_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("above") << 32767.5;
        QTest::newRow("below") << -32768.6;
        QTest::newRow("far") << 1e10;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinity") << -std::numeric_limits<double>::infinity();
    }
    void overflowsOutsideInt16() {
        QFETCH(double, value);
        try {
            RoundToInt16(value);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(ErrOverflow));
            QCOMPARE(error.description(), QStringLiteral("Overflow"));
        }
    }
};

QTEST_GUILESS_MAIN(RoundingTest)
#include "rounding-test.moc"
