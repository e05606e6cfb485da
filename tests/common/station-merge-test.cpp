#include "common/station-merge.h"

#include <QTest>

#include "tests/common/station-printing.h"

using namespace common;

namespace {
const StationList kCurrent = {{"Known", "http://known.example.com/Stream"},
                              {"Other", "http://other.example.com/"}};
} // namespace

class StationMergeTest : public QObject {
    Q_OBJECT

private slots:
    void mergesByAddress_data() {
        QTest::addColumn<StationList>("current");
        QTest::addColumn<StationList>("incoming");
        QTest::addColumn<StationList>("added");
        QTest::newRow("nothing incoming") << kCurrent << StationList() << StationList();
        QTest::newRow("into an empty list") << StationList() << kCurrent << kCurrent;
        QTest::newRow("letter case counts")
            << kCurrent << StationList{{"Lower", "http://known.example.com/stream"}}
            << StationList{{"Lower", "http://known.example.com/stream"}};
        QTest::newRow("blanks around a known address")
            << kCurrent << StationList{{"Padded", "  http://known.example.com/Stream \t"}} << StationList();
        QTest::newRow("blanks around a current address")
            << StationList{{"Padded", " http://x.example.com/ "}}
            << StationList{{"Plain", "http://x.example.com/"}} << StationList();
        QTest::newRow("known address under another name keeps the current name")
            << kCurrent << StationList{{"Renamed", "http://known.example.com/Stream"}} << StationList();
        QTest::newRow("same new address twice, both added")
            << kCurrent
            << StationList{{"First", "http://new.example.com/"}, {"Second", " http://new.example.com/"}}
            << StationList{{"First", "http://new.example.com/"}, {"Second", "http://new.example.com/"}};
        QTest::newRow("added stations trimmed, in incoming order")
            << kCurrent
            << StationList{{" Z ", " http://z/ "}, {"Known", "http://other.example.com/"}, {"A", "http://a/"}}
            << StationList{{"Z", "http://z/"}, {"A", "http://a/"}};
    }
    void mergesByAddress() {
        QFETCH(StationList, current);
        QFETCH(StationList, incoming);
        QFETCH(StationList, added);
        const MergeResult result = MergeStations(current, incoming);
        QCOMPARE(result.merged, current + added);
        QCOMPARE(result.added, added.size());
    }

    void mergingTwiceAddsNothingMore() {
        const StationList incoming = {{"New", " http://new.example.com/ "},
                                      {"Known", "http://known.example.com/Stream"}};
        const MergeResult first = MergeStations(kCurrent, incoming);
        QCOMPARE(first.added, 1);
        const MergeResult second = MergeStations(first.merged, incoming);
        QCOMPARE(second.added, 0);
        QCOMPARE(second.merged, first.merged);
    }
};

QTEST_GUILESS_MAIN(StationMergeTest)
#include "station-merge-test.moc"
