// Runs "tunelark-cli rip" as users do, into a folder whose path has blanks: against the local Icecast
// server, against a local station of the test's own whose titles and bytes are known, and with the
// addresses, replies and folders it must refuse.

#include "tests/cli/cli-run.h"
#include "tests/support/radio-test-server.h"

#include <QDate>
#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

QByteArray Block(const QByteArray &text) {
    const qsizetype units = (text.size() + 15) / 16;
    return char(units) + text + QByteArray(units * 16 - text.size(), '\0');
}

QString Probe(const QString &path, const QString &entries) {
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {"-v", "error", "-show_entries", entries, "-of", "default=noprint_wrappers=1:nokey=1", path});
    return probe.waitForFinished(30000) && probe.exitCode() == 0
               ? QString::fromUtf8(probe.readAllStandardOutput()).trimmed()
               : QStringLiteral("<ffprobe failed>");
}

} // namespace

class RipCommandTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_out;

    CliRun rip(const QStringList &arguments) const {
        return RunCliServed(m_temp->path(), m_temp->filePath(QStringLiteral("config")),
                            QStringList{QStringLiteral("rip")} + arguments, {});
    }
    QString today() const { return QDate::currentDate().toString(QStringLiteral("ddMMyy")); }

private slots:
    void init() {
        m_temp = std::make_unique<QTemporaryDir>();
        m_out = m_temp->filePath(QStringLiteral("my songs"));
    }

    // The real radio server for three seconds: one song, cut off at both ends, that ffprobe reads.
    void ripsIcecast() {
        const CliRun result =
            rip({qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL"), "--minutes", "0.05", "--out", m_out});
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        const QStringList printed = QString::fromUtf8(result.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), 1);
        const QString folder = m_out + QStringLiteral("/Recorded_Tunelark Test Radio_") + today();
        QCOMPARE(QFileInfo(printed.first()).absolutePath(), folder);
        QVERIFY2(printed.first().endsWith(QStringLiteral(" (partial).mp3")), qPrintable(printed.first()));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        QCOMPARE(Probe(printed.first(), QStringLiteral("stream=codec_name,sample_rate")),
                 QStringLiteral("mp3\n44100"));
        QVERIFY(Probe(printed.first(), QStringLiteral("format=duration")).toDouble() > 2);
    }

    // Each song's file is printed as it is complete, in order.
    void printsEachSong() {
        QByteArray stream =
            "ICY 200 OK\r\nicy-metaint: 100\r\ncontent-type: audio/aacp\r\nicy-name: Aac/FM\r\n\r\n";
        stream += QByteArray(100, 'a') + Block("StreamTitle='A - One';") + QByteArray(100, 'b') +
                  Block("StreamTitle='B - Two';") + QByteArray(50, 'c');
        RadioTestServer station(stream);
        station.setKeepOpen(true);
        const CliRun result = rip({station.url().toString(), "--minutes", "0.02", "--out", m_out});
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        const QString folder = m_out + QStringLiteral("/Recorded_Aac_FM_") + today();
        QCOMPARE(QString::fromUtf8(result.out), folder + QStringLiteral("/01 A - One (partial).aac\n") +
                                                    folder + QStringLiteral("/02 B - Two (partial).aac\n"));
        QFile second(folder + QStringLiteral("/02 B - Two (partial).aac"));
        QVERIFY(second.open(QIODevice::ReadOnly));
        QCOMPARE(second.readAll(), QByteArray(50, 'c'));
    }

    void stopRequestEndsTheRecording_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("Ctrl+C") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("the terminal closed") << SIGHUP;
    }
    // Stopped long before its time, the tool ends as the time would end it: the song so far closed,
    // marked partial, printed, and the exit status 0.
    void stopRequestEndsTheRecording() {
        QFETCH(int, signalNumber);
        RadioTestServer station("ICY 200 OK\r\nicy-metaint: 100\r\ncontent-type: audio/aacp\r\n\r\n" +
                                QByteArray(100, 'a') + Block("StreamTitle='A - One';") + QByteArray(60, 'b'));
        station.setKeepOpen(true);
        QProcess tool;
        StartCli(tool, m_temp->path(), m_temp->filePath(QStringLiteral("config")),
                 {"rip", station.url().toString(), "--minutes", "60", "--out", m_out});
        const QString song =
            m_out + QStringLiteral("/Recorded_127.0.0.1_") + today() + QStringLiteral("/01 A - One");
        QVERIFY(
            QTest::qWaitFor([&] { return QFileInfo(song + QStringLiteral(" (partial).aac")).size() == 160; },
                            kCliTimeLimitMs));
        QCOMPARE(::kill(pid_t(tool.processId()), signalNumber), 0);
        const CliRun result = CliRunOf(
            tool, QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, kCliTimeLimitMs));
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QString::fromUtf8(result.out), song + QStringLiteral(" (partial).aac\n"));
    }

    void refuses_data() {
        QTest::addColumn<QStringList>("arguments"); // %station: the local station, %closed: a closed port
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("nobody listens")
            << QStringList{"%closed", "--minutes", "1", "--out", "%out"} << 1
            << QStringLiteral("Recording %closed failed: the connection to 127.0.0.1 "
                              "failed: Connection refused.");
        QTest::newRow("a web page") << QStringList{"%station", "--minutes", "1", "--out", "%out"} << 1
                                    << QStringLiteral("%station sent text/html, not a sound stream.");
        QTest::newRow("not a web address")
            << QStringList{"ftp://127.0.0.1/radio", "--minutes", "1", "--out", "%out"} << 1
            << QStringLiteral("'ftp://127.0.0.1/radio' is not an http or https address.");
        QTest::newRow("a file where the folder goes")
            << QStringList{"%station", "--minutes", "1", "--out", "%file"} << 1
            << QStringLiteral("The folder %file cannot be created.");
        QTest::newRow("no time")
            << QStringList{"%station", "--minutes", "0", "--out", "%out"} << 2
            << QStringLiteral("--minutes takes a number above 0 and up to 10080 (a week), not '0'.");
        QTest::newRow("not a number")
            << QStringList{"%station", "--minutes", "ten", "--out", "%out"} << 2
            << QStringLiteral("--minutes takes a number above 0 and up to 10080 (a week), not 'ten'.");
        QTest::newRow("no folder") << QStringList{"%station", "--minutes", "1"} << 2
                                   << QStringLiteral("Option '--out' is required.");
    }
    void refuses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        RadioTestServer station("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html></html>");
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString closedAddress = QStringLiteral("http://127.0.0.1:%1/radio").arg(closed.serverPort());
        closed.close();
        const QString file = m_temp->filePath(QStringLiteral("a file"));
        QFile(file).open(QIODevice::WriteOnly);
        const auto fill = [&](QString text) {
            return text.replace(QStringLiteral("%station"), station.url().toString())
                .replace(QStringLiteral("%closed"), closedAddress)
                .replace(QStringLiteral("%out"), m_out)
                .replace(QStringLiteral("%file"), file);
        };
        for (QString &argument : arguments)
            argument = fill(argument);
        const CliRun result = rip(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(QString::fromUtf8(result.err), QStringLiteral("tunelark-cli: ") + fill(error) + u'\n');
        QVERIFY(QDir(m_out).isEmpty());
    }
};

QTEST_GUILESS_MAIN(RipCommandTest)
#include "rip-command-test.moc"
