// The staged program folder: every companion file the player needs, a starter station list written
// with our codec, a playable chime, and the advanced recorder's launcher.

#include "common/advanced-recorder.h"
#include "common/station-file.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral(TUNELARK_PROGRAM_DIR);

} // namespace

class ProgramFolderTest : public QObject {
    Q_OBJECT
private slots:
    void holdsEveryCompanionFile() {
        for (const char *name : {"Tunelark", "Stations", "Tunelark.dll", "lame_enc.dll", "Process.dll",
                                 "Player.dll", "Skin.dll", "Encoder.dll"})
            QVERIFY2(QFileInfo(kProgram + "/" + name).isFile(), name);
        QVERIFY(QFileInfo(kProgram + "/Tunelark").isExecutable());
        QVERIFY(QFileInfo(kProgram + "/Encoder.dll").isExecutable());
    }

    void starterListIsScrambledAndReadable() {
        QFile file(kProgram + "/Player.dll");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        for (char c : content)
            QVERIFY(std::isdigit(static_cast<unsigned char>(c)) || c == '\r' || c == '\n');
        const common::StationList stations = common::ParseStationFile(content);
        QVERIFY(stations.size() >= 10);
        for (const common::Station &station : stations)
            QVERIFY2(station.address.startsWith("http"), qPrintable(station.address));
    }

    void chimeIsMpegAudio() {
        QTemporaryDir scratch;
        const QString wave = scratch.path() + "/chime.wav";
        QProcess lame;
        lame.start("lame", {"--quiet", "--decode", kProgram + "/Process.dll", wave});
        QVERIFY(lame.waitForFinished(20000));
        QCOMPARE(lame.exitCode(), 0);
        // At least half a second of 16-bit sound came out of it.
        QVERIFY(QFileInfo(wave).size() > 44 + 22050 * 2);
    }

    void advancedRecorderStartsAnInstalledRecorder() {
        QTemporaryDir scratch;
        const QString started = scratch.path() + "/started";
        QFile fake(scratch.path() + "/audacity");
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write(("#!/bin/sh\ntouch '" + started + "'\n").toUtf8());
        fake.close();
        fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", scratch.path() + ":/usr/bin:/bin");
        environment.insert("TUNELARK_MESSAGE_LOG", scratch.path() + "/boxes.log");
        QProcess launcher;
        launcher.setProcessEnvironment(environment);
        launcher.start(kProgram + "/Encoder.dll", {common::kAdvancedRecorderToken});
        QVERIFY(launcher.waitForFinished(10000));
        QCOMPARE(launcher.exitCode(), 0);
        QTRY_VERIFY(QFile::exists(started));
        QVERIFY(!QFile::exists(scratch.path() + "/boxes.log"));
    }

    void advancedRecorderExplainsWhyItDoesNotStart_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("box");
        QTest::newRow("no recorder installed")
            << QStringList{common::kAdvancedRecorderToken} << 1 << QByteArray("No sound recorder was found");
        QTest::newRow("started without the player's token")
            << QStringList{} << 2 << QByteArray("The advanced recorder is started from the player");
        QTest::newRow("another token") << QStringList{"Tunelark Rec B"} << 2
                                       << QByteArray("The advanced recorder is started from the player");
    }
    void advancedRecorderExplainsWhyItDoesNotStart() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, box);
        QTemporaryDir scratch;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", scratch.path());
        environment.insert("TUNELARK_MESSAGE_LOG", scratch.path() + "/boxes.log");
        QProcess launcher;
        launcher.setProcessEnvironment(environment);
        launcher.start(kProgram + "/Encoder.dll", arguments);
        QVERIFY(launcher.waitForFinished(10000));
        QCOMPARE(launcher.exitCode(), exitCode);
        QFile log(scratch.path() + "/boxes.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().startsWith("Information\tOkOnly\tRavelto's Online Radio\t" + box));
    }
};

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_program_folder.moc"
