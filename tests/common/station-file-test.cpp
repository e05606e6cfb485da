#include "common/runtime-error.h"
#include "common/station-codec.h"
#include "common/station-file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "tests/common/station-printing.h"

using namespace common;

namespace {

// A record as a writer puts it in a file, without the line end.
QByteArray Scrambled(const QString &record) { return EncodeLine(record).toLatin1(); }

QByteArray Joined(const QList<QByteArray> &lines, const QByteArray &lineEnd = "\r\n") {
    QByteArray content;
    for (const QByteArray &line : lines)
        content += line + lineEnd;
    return content;
}

QByteArray Contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Store(const QString &path, const QByteArray &content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

const StationList kOldStations = {{"Old One", "http://old.example.com/one"},
                                  {"Old Two", "http://old.example.com/two"}};
const StationList kNewStations = {{"New", "http://new.example.com/"}};

enum class Target { MissingFolder, FolderIsFile, TargetIsFolder, Pipe, TooLarge };

} // namespace

class StationFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString PathOf(const QString &name) const { return m_dir.filePath(name); }

    // A station file path made unusable in the given way.
    QString Prepare(Target target) {
        const QString path = PathOf(QStringLiteral("stations.dat"));
        switch (target) {
        case Target::MissingFolder:
            return PathOf(QStringLiteral("missing/stations.dat"));
        case Target::FolderIsFile:
            Store(PathOf(QStringLiteral("plain")), "x");
            return PathOf(QStringLiteral("plain/stations.dat"));
        case Target::TargetIsFolder:
            QDir(m_dir.path()).mkdir(QStringLiteral("stations.dat"));
            break;
        case Target::Pipe:
            mkfifo(QFile::encodeName(path).constData(), 0600);
            break;
        case Target::TooLarge: {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.resize(kMaxStationFileBytes + 1); // sparse: costs no disk space
            break;
        }
        }
        return path;
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void splitsLines_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("final line end adds nothing") << QByteArray("a\r\n") << QStringList{"a"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("lone LF stays") << QByteArray("a\nb\r\nc\n") << QStringList{"a\nb", "c\n"};
        QTest::newRow("LF CR") << QByteArray("\n\r") << QStringList{"\n"};
        QTest::newRow("bytes kept") << QByteArray("\xE9\x00", 2)
                                    << QStringList{QStringLiteral("\u00E9") + QChar(0)};
    }
    void splitsLines() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        QCOMPARE(SplitStationLines(content), lines);
    }

    void appliesReadingRules_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<StationList>("stations");
        const StationList none;
        const StationList abc = {{"A", "a"}, {"B", "b"}, {"C", "c"}};
        QTest::newRow("writer output") << FormatStationFile(abc) << abc;
        QTest::newRow("damaged lines keep the pairing")
            << Joined({Scrambled("A ==> a"), "12x45", Scrambled("B ==> b"), "99999", "7", "0",
                       Scrambled("C ==> c")})
            << abc;
        QTest::newRow("separator in name")
            << Joined({Scrambled("A ==> B ==> c"), Scrambled("D ==> d")}) << StationList{{"D", "d"}};
        QTest::newRow("no separator") << Joined({Scrambled("A -> a")}) << none;
        QTest::newRow("separator without blanks") << Joined({Scrambled("A==>a")}) << StationList{{"A", "a"}};
        QTest::newRow("name 0") << Joined({Scrambled("0==> a")}) << none;
        QTest::newRow("address 0") << Joined({Scrambled("A ==>0")}) << none;
        QTest::newRow("0 tested before trimming")
            << Joined({Scrambled("0 ==> 0")}) << StationList{{"0", "0"}};
        QTest::newRow("empty name") << Joined({Scrambled("==> a")}) << none;
        QTest::newRow("empty address") << Joined({Scrambled("A ==>")}) << none;
        QTest::newRow("blank name") << Joined({Scrambled(" ==> a")}) << StationList{{"", "a"}};
        QTest::newRow("blank record") << Joined({Scrambled("   ")}) << none;
        QTest::newRow("outer blanks trimmed, inner kept")
            << Joined({Scrambled("  Radio  One \t==>  http://x/a b  ")})
            << StationList{{"Radio  One", "http://x/a b"}};
        QTest::newRow("CR-only line ends") << Joined({Scrambled("A ==> a"), Scrambled("B ==> b")}, "\r")
                                           << StationList{{"A", "a"}, {"B", "b"}};
        QTest::newRow("LF inside a line damages it")
            << Scrambled("A ==> a") + "\n" + Scrambled("B ==> b") + "\r\n" + Scrambled("C ==> c")
            << StationList{{"C", "c"}};
        QTest::newRow("LF inside a record")
            << Joined({Scrambled("Line\nbreak ==> a")}) << StationList{{"Line\nbreak", "a"}};
        QTest::newRow("last line without line end") << Scrambled("A ==> a") << StationList{{"A", "a"}};
        QTest::newRow("Windows-1252 record")
            << Joined({EncodeBytes("Caf\xE9 ==> http://x", [] { return 37; }).toLatin1()})
            << StationList{{"Café", "http://x"}};
        QTest::newRow("empty content") << QByteArray() << none;
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n\r\r\n") << none;
    }
    void appliesReadingRules() {
        QFETCH(QByteArray, content);
        QFETCH(StationList, stations);
        QCOMPARE(ParseStationFile(content), stations);
    }

    void readsNothingWhenAbsentAndNoStationsWhenEmpty() {
        QVERIFY(!ReadStationFile(PathOf(QStringLiteral("absent.dat"))).has_value());
        Store(PathOf(QStringLiteral("empty.dat")), QByteArray());
        QCOMPARE(ReadStationFile(PathOf(QStringLiteral("empty.dat"))),
                 std::optional<StationList>(StationList()));
    }

    void writesOnlyDigitsAndLineEnds() {
        const QString path = PathOf(QStringLiteral("stations.dat"));
        const StationList stations = {
            {"Radio  One", "http://one.example.com:8000/live"},
            {"Café – Ünïcödé 📻", "http://example.com/ü?x=1&y=2"},
            {"", "http://nameless.example.com/"},
        };
        WriteStationFile(path, kOldStations);
        WriteStationFile(path, stations); // replaces the old list

        const QByteArray content = Contents(path);
        static const QRegularExpression layout(QStringLiteral("^([0-9]+\r\n\r\n)*$"));
        QVERIFY2(layout.match(QString::fromLatin1(content)).hasMatch(), content.left(200).constData());
        QCOMPARE(content.count("\r\n\r\n"), stations.size());
        QCOMPARE(ReadStationFile(path), std::optional<StationList>(stations));
    }

    void readsPastLongDamagedLine() {
        const QString path = PathOf(QStringLiteral("stations.dat"));
        Store(path, Joined({Scrambled("A ==> a"), QByteArray(10'000'000, '7') + 'x', Scrambled("B ==> b")}));
        QCOMPARE(ReadStationFile(path), std::optional<StationList>({{"A", "a"}, {"B", "b"}}));
    }

    void refusesUnreadableFiles_data() {
        QTest::addColumn<Target>("target");
        QTest::newRow("folder") << Target::TargetIsFolder;
        QTest::newRow("pipe") << Target::Pipe;
        QTest::newRow("larger than the limit") << Target::TooLarge;
    }
    void refusesUnreadableFiles() {
        QFETCH(Target, target);
        const QString path = Prepare(target);
        try {
            ReadStationFile(path);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), int(ErrPathFileAccess));
            QVERIFY2(error.description().contains(path), qPrintable(error.description()));
        }
    }

    void refusesUnwritableTargets_data() {
        QTest::addColumn<Target>("target");
        QTest::addColumn<int>("number");
        QTest::newRow("missing folder") << Target::MissingFolder << int(ErrPathNotFound);
        QTest::newRow("folder is a file") << Target::FolderIsFile << int(ErrPathNotFound);
        QTest::newRow("target is a folder") << Target::TargetIsFolder << int(ErrPathFileAccess);
    }
    void refusesUnwritableTargets() {
        QFETCH(Target, target);
        QFETCH(int, number);
        const QString path = Prepare(target);
        const QStringList before =
            QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        try {
            WriteStationFile(path, kNewStations);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), number);
            QVERIFY2(error.description().contains(path), qPrintable(error.description()));
        }
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 before);
    }

    // A write that fails after it has begun (here: over the process's file size limit, which binds root
    // too) throws, keeps the old file byte for byte and leaves no temporary file.
    void failedWriteKeepsOldFile() {
        const QString path = PathOf(QStringLiteral("stations.dat"));
        WriteStationFile(path, kOldStations);
        const QByteArray old = Contents(path);

        StationList many;
        for (int i = 0; i < 2000; ++i)
            many.append(
                {QStringLiteral("Station %1").arg(i), QStringLiteral("http://example.com/%1").arg(i)});

        rlimit previousLimit;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
        rlimit limit = previousLimit;
        limit.rlim_cur = 64 * 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        bool thrown = false;
        try {
            WriteStationFile(path, many);
        } catch (const RuntimeError &) {
            thrown = true;
        }
        setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(thrown);
        QCOMPARE(Contents(path), old);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"stations.dat"});
    }

    void killedWriteKeepsOldFile() {
        const QString path = PathOf(QStringLiteral("stations.dat"));
        WriteStationFile(path, kOldStations);
        const QByteArray old = Contents(path);

        QProcess writer;
        writer.start(QStringLiteral(STATION_WRITER_HELPER), {path, QStringLiteral("100000")});
        QVERIFY2(writer.waitForFinished(180'000), "the writer did not finish");
        const QByteArray output = writer.readAllStandardOutput();
        QVERIFY2(output.contains("killing mid-write"), output.constData());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        QCOMPARE(Contents(path), old);
        QCOMPARE(ReadStationFile(path), std::optional<StationList>(kOldStations));
    }
};

QTEST_GUILESS_MAIN(StationFileTest)
#include "station-file-test.moc"
