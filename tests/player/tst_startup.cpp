// The player's load sequence against a real program folder and settings file.

#include "common/settings-store.h"
#include "common/station-codec.h"
#include "player/FrmFM.h"
#include "player/record-settings.h"
#include "tests/support/test-environment.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

using common::kApplication;

namespace {

QByteArray StationLine(const QString &name, const QString &address) {
    return common::EncodeLine(name + QStringLiteral(" ==> ") + address).toLatin1() + "\r\n\r\n";
}

const QString kMissingPrefix =
    QStringLiteral("One of the files needed to run this application was not found.\r\n"
                   "Please make sure the below file is present at the location.\r\n");

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        player::RecordSettingID = 7;
        player::RecordSettingValue = QStringLiteral("48000");
    }

    void missingCompanionFileNamesOnlyTheFirst_data() {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QString>("named");
        const QStringList all{"lame_enc.dll", "Tunelark.dll", "Process.dll", "Player.dll",
                              "Stations",     "Skin.dll",     "Encoder.dll"};
        for (const QString &name : all)
            QTest::newRow(qPrintable(name)) << QStringList{name} << name;
        QTest::newRow("several missing")
            << QStringList{"Encoder.dll", "Player.dll", "Skin.dll"} << QStringLiteral("Player.dll");
        QTest::newRow("all missing") << all << QStringLiteral("lame_enc.dll");
    }
    void missingCompanionFileNamesOnlyTheFirst() {
        QFETCH(QStringList, removed);
        QFETCH(QString, named);
        TestEnvironment env;
        env.writeFile("Player.dll", StationLine("One", "http://127.0.0.1:9/one"));
        for (const QString &name : removed)
            env.removeFile(name);
        FrmFM window(env.programFolder());
        window.Form_Load();

        QCOMPARE(env.boxes.size(), 1);
        QCOMPARE(
            env.boxes[0].text,
            kMissingPrefix + env.programFolder() + "/" + named +
                "\r\n\r\nNote : If you are running this application directly from a zip file then please "
                "extract all the files to a folder on your hard disk and then run the Tunelark.exe file "
                "from that folder.");
        QCOMPARE(env.boxes[0].icon, ui::Icon::Exclamation);
        QCOMPARE(env.boxes[0].title, QStringLiteral("Ravelto's Online Radio"));
        QVERIFY(env.endedWith.has_value());
        QCOMPARE(window.LstStations->count(), 0); // nothing after the check runs
    }

    void aFolderIsNotACompanionFile() {
        TestEnvironment env;
        env.removeFile("Skin.dll");
        QDir().mkpath(env.path("Skin.dll"));
        FrmFM window(env.programFolder());
        window.Form_Load();
        QCOMPARE(env.boxes.size(), 1);
        QVERIFY(env.boxes[0].text.contains(env.programFolder() + "/Skin.dll\r\n"));
    }

    void freshUserGetsTheDefaults() {
        TestEnvironment env;
        env.writeFile("Player.dll", StationLine("One", "http://127.0.0.1:9/one"));
        FrmFM window(env.programFolder());
        window.Form_Load();

        QVERIFY(env.boxes.isEmpty());
        QVERIFY(!env.endedWith);
        QCOMPARE(common::GetSetting(kApplication, "Install", "Location"), env.programFolder());
        QVERIFY(!window.ChkNews->isChecked());
        QCOMPARE(player::RecordSettingID, 7);
        QCOMPARE(player::RecordSettingValue, QStringLiteral("48000"));
        QVERIFY(window.OptSampleRate[7]->isChecked());
        QCOMPARE(window.LstStations->currentRow(), 0);
        QCOMPARE(window.LblCnt->text(), QStringLiteral("1 of 1"));
    }

    void newsFlagMustBeExactlyOne_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("trailing blank") << "1 " << false;
        QTest::newRow("0") << "0" << false;
    }
    void newsFlagMustBeExactlyOne() {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        TestEnvironment env;
        env.writeFile("Player.dll", StationLine("One", "http://127.0.0.1:9/one"));
        common::SaveSetting(kApplication, "News", "Show", stored);
        FrmFM window(env.programFolder());
        window.Form_Load();
        QCOMPARE(window.ChkNews->isChecked(), on);
    }

    void recordingRateIsRestored_data() {
        QTest::addColumn<QString>("settingId");
        QTest::addColumn<QString>("settingValue");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("error");
        QTest::newRow("stored") << "3"
                                << "22050" << 3 << "22050"
                                << "";
        QTest::newRow("blanks trimmed") << " 6 "
                                        << " 44100 " << 6 << "44100"
                                        << "";
        QTest::newRow("half to even down") << "2.5"
                                           << "16000" << 2 << "16000"
                                           << "";
        QTest::newRow("half to even up") << "3.5"
                                         << "24000" << 4 << "24000"
                                         << "";
        QTest::newRow("value empty") << "3"
                                     << "" << 7 << "48000"
                                     << "";
        QTest::newRow("value blank") << "3"
                                     << "   " << 7 << "48000"
                                     << "";
        QTest::newRow("id empty") << ""
                                  << "44100" << 7 << "48000"
                                  << "";
        QTest::newRow("id not a number") << "abc"
                                         << "44100" << 7 << "48000"
                                         << "Type mismatch";
        QTest::newRow("id past 16 bits") << "40000"
                                         << "44100" << 7 << "48000"
                                         << "Overflow";
        QTest::newRow("no such button") << "8"
                                        << "44100" << 8 << "44100"
                                        << "Control array element '8' doesn't exist";
    }
    void recordingRateIsRestored() {
        QFETCH(QString, settingId);
        QFETCH(QString, settingValue);
        QFETCH(int, id);
        QFETCH(QString, value);
        QFETCH(QString, error);
        TestEnvironment env;
        env.writeFile("Player.dll", StationLine("One", "http://127.0.0.1:9/one"));
        common::SaveSetting(kApplication, "Record", "SettingID", settingId);
        common::SaveSetting(kApplication, "Record", "SettingValue", settingValue);
        FrmFM window(env.programFolder());
        window.Form_Load();

        QCOMPARE(int(player::RecordSettingID), id);
        QCOMPARE(player::RecordSettingValue, value);
        if (error.isEmpty()) {
            QVERIFY(env.boxes.isEmpty());
            QVERIFY(window.OptSampleRate[id]->isChecked());
        } else {
            QCOMPARE(env.boxes.size(), 1);
            QCOMPARE(env.boxes[0].text, error);
            QCOMPARE(env.boxes[0].icon, ui::Icon::Critical);
        }
    }

    void stationsKeepFileOrderAndPairing() {
        TestEnvironment env;
        env.writeFile("Player.dll", StationLine("Zulu Radio", "http://127.0.0.1:9/zulu") +
                                        "12x45678\r\n" // damaged: not digits
                                        + StationLine("Alpha", "http://127.0.0.1:9/alpha") +
                                        common::EncodeLine("0==>http://127.0.0.1:9/zero").toLatin1() +
                                        "\r\n" + StationLine("Mid  Name ", "  http://127.0.0.1:9/mid  "));
        FrmFM window(env.programFolder());
        window.Form_Load();

        QVERIFY(env.boxes.isEmpty());
        QCOMPARE(window.LstStations->count(), 3);
        const QStringList names{window.LstStations->item(0)->text(), window.LstStations->item(1)->text(),
                                window.LstStations->item(2)->text()};
        QCOMPARE(names, (QStringList{"Zulu Radio", "Alpha", "Mid  Name"}));
        QCOMPARE(window.StationURLs, (QStringList{"http://127.0.0.1:9/zulu", "http://127.0.0.1:9/alpha",
                                                  "http://127.0.0.1:9/mid"}));
        QCOMPARE(window.LblCnt->text(), QStringLiteral("1 of 3"));
    }

    void noValidStationLoadsTheBuiltInList_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("only damaged lines") << QByteArray("abc\r\n12\r\n99999999\r\n");
    }
    void noValidStationLoadsTheBuiltInList() {
        QFETCH(QByteArray, content);
        TestEnvironment env;
        env.writeFile("Player.dll", content);
        FrmFM window(env.programFolder());
        window.Form_Load();

        QCOMPARE(env.boxes.size(), 1);
        QCOMPARE(env.boxes[0].text, QStringLiteral("Player.dll file not found or is Corrupted.\r\n"
                                                   "Default Radio Stations will be loaded."));
        QCOMPARE(env.boxes[0].icon, ui::Icon::Information);
        QCOMPARE(window.LstStations->count(), 31);
        QCOMPARE(window.LstStations->item(0)->text(), QStringLiteral("RadioTarana-NewZealand"));
        QCOMPARE(window.LstStations->item(30)->text(), QStringLiteral("Gujarati Radio - Australia"));
        QCOMPARE(window.StationURLs.size(), 35);
        QCOMPARE(window.StationURLs[19], window.StationURLs[16]);
        QCOMPARE(window.StationURLs[20], window.StationURLs[9]);
        for (int i = 31; i < 35; ++i)
            QVERIFY(window.StationURLs[i].isEmpty());
        QCOMPARE(window.LblCnt->text(), QStringLiteral("1 of 31"));
        QVERIFY(window.LstStations->item(0)->isSelected());
        // The built-in list is never written to the file.
        QFile file(env.path("Player.dll"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
