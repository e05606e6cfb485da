#include "common/units.h"

#include <QTest>

#include <cfloat>

class UnitsTest : public QObject {
    Q_OBJECT

private slots:
    void convertsTwipsToPixels_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("a design place") << 3180.0 << 212;
        QTest::newRow("negative") << -2400.0 << -160;
        QTest::newRow("farthest pixel") << 16777216.0 * 15 << 16777216;
        // A layout may place an element up to the largest single-precision number of twips away.
        QTest::newRow("largest single") << double(FLT_MAX) << 16777216;
        QTest::newRow("largest single, negative") << -double(FLT_MAX) << -16777216;
        QTest::newRow("past 32 bits of pixels") << 15 * 4294967296.0 << 16777216;
    }
    void convertsTwipsToPixels() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(common::TwipsToPixels(twips), pixels);
    }
};

QTEST_GUILESS_MAIN(UnitsTest)
#include "units-test.moc"
