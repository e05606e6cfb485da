// The station-list editor's window reads Player.dll from its program folder.

#include "common/station-codec.h"
#include "stations/frmStations.h"
#include "tests/support/test-environment.h"

#include <QtTest>

class StationListWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheStationFile() {
        TestEnvironment env;
        env.writeFile("Player.dll", common::EncodeLine("One ==> http://127.0.0.1:9/1").toLatin1() +
                                        "\r\n\r\n" + "junk\r\n" +
                                        common::EncodeLine("Two ==> http://127.0.0.1:9/2").toLatin1() +
                                        "\r\n\r\n");
        frmStations window(env.programFolder());
        QCOMPARE(window.LblTot->text(), QStringLiteral("Total : 0"));
        window.ReadStationFile();
        QVERIFY(env.boxes.isEmpty());
        QCOMPARE(window.LstStations->count(), 2);
        QCOMPARE(window.LstURLS, (QStringList{"http://127.0.0.1:9/1", "http://127.0.0.1:9/2"}));
        QCOMPARE(window.LblTot->text(), QStringLiteral("Total Stations : 2"));
    }

    void missingFileEndsTheProgram() {
        TestEnvironment env;
        env.removeFile("Player.dll");
        frmStations window(env.programFolder());
        window.ReadStationFile();
        QCOMPARE(env.boxes.size(), 1);
        QCOMPARE(env.boxes[0].text, "Player.dll file not found. Please make sure the file is present at the "
                                    "below path\r\n" +
                                        env.programFolder());
        QCOMPARE(env.boxes[0].icon, ui::Icon::Critical);
        QCOMPARE(env.boxes[0].title, QStringLiteral("Ravelto's Online Radio"));
        QVERIFY(env.endedWith.has_value());
    }
};

QTEST_MAIN(StationListWindowTest)
#include "tst_station_list_window.moc"
