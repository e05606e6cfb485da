// Runs "tunelark-cli stations …" as users and the build do, in a folder whose path has blanks.

#include "common/station-file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/cli/cli-run.h"

namespace {

QStringList Lines(const common::StationList &stations) {
    QStringList lines;
    for (const common::Station &station : stations)
        lines << station.name + u'|' + station.address;
    return lines;
}

const common::StationList kExisting = {{QStringLiteral("Existing"), QStringLiteral("http://example.com/a")}};

} // namespace

class StationsCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addListDecodeRoundTrip();
    void decodeLine_data();
    void decodeLine();
    void import_data();
    void import();
    void exportAndReimport_data();
    void exportAndReimport();
    void badInput_data();
    void badInput();
    void usage_data();
    void usage();

private:
    CliRun run(const QStringList &arguments) const;
    QString path(const QString &name) const { return m_root + u'/' + name; }
    void writeFile(const QString &name, const QByteArray &content) const;
    QByteArray readFile(const QString &name) const;
    QMap<QString, QByteArray> snapshot() const;

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_root;
};

void StationsCommandTest::init() {
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_root = m_temp->filePath(QStringLiteral("program folder"));
    QVERIFY(QDir().mkpath(m_root));
}

CliRun StationsCommandTest::run(const QStringList &arguments) const {
    return RunCli(m_root, m_temp->filePath(QStringLiteral("config")), arguments);
}

void StationsCommandTest::writeFile(const QString &name, const QByteArray &content) const {
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray StationsCommandTest::readFile(const QString &name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of the program folder with its content: shows changed, half-written and stray files.
QMap<QString, QByteArray> StationsCommandTest::snapshot() const {
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(m_root).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readFile(name));
    return files;
}

void StationsCommandTest::addListDecodeRoundTrip() {
    const QString file = path(QStringLiteral("Player.dll"));
    QCOMPARE(run({"stations", "add", file, "  Radio Ü  ", " http://example.com/ü?x=1 "}).exitCode, 0);
    QCOMPARE(run({"stations", "add", file, "Jazz & Blues", "mms://example.com/jazz"}).exitCode, 0);

    const CliRun list = run({"stations", "list", file});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out,
             QByteArray("Radio Ü\thttp://example.com/ü?x=1\nJazz & Blues\tmms://example.com/jazz\n"));

    const QByteArray content = readFile(QStringLiteral("Player.dll"));
    QVERIFY(QRegularExpression(QStringLiteral("^([0-9]+\r\n\r\n){2}$"))
                .match(QString::fromLatin1(content))
                .hasMatch());
    const QString firstLine = QString::fromLatin1(content.left(content.indexOf('\r')));
    QCOMPARE(run({"stations", "decode-line", firstLine}).out,
             QByteArray("Radio Ü ==> http://example.com/ü?x=1\n"));

    const CliRun encoded = run({"stations", "encode-line", "Ü ==> http://example.com/x"});
    QCOMPARE(encoded.exitCode, 0);
    QCOMPARE(run({"stations", "decode-line", QString::fromLatin1(encoded.out.trimmed())}).out,
             QByteArray("Ü ==> http://example.com/x\n"));
}

void StationsCommandTest::decodeLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("two digits") << "42" << QByteArray();
    QTest::newRow("damaged") << "42x29" << QByteArray("0\n");
    QTest::newRow("abc") << "422291719093317" << QByteArray("abc\n");
    QTest::newRow("two spare digits ignored") << "4222917" << QByteArray("a\n");
}

void StationsCommandTest::decodeLine() {
    QFETCH(QString, line);
    QFETCH(QByteArray, output);
    const CliRun result = run({"stations", "decode-line", line});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, output);
    QCOMPARE(result.err, QByteArray());
}

void StationsCommandTest::import_data() {
    QTest::addColumn<QString>("playlist");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("added");

    // "http://example.com/a" is in the station file already, so it is left out with or without blanks.
    QTest::newRow("plain M3U, known by its extension")
        << "list.m3u"
        << QByteArray(
               "http://example.com/a\r\n\r\n# comment\r\n http://example.com/a \r\nhttp://example.com/A\r\n"
               "relative/song.mp3\r\nexample.com/no-scheme\r\n/music/local.mp3\r\n")
        << QStringList{"http://example.com/A|http://example.com/A", "/music/local.mp3|/music/local.mp3"};
    QTest::newRow("extended M3U with BOM, known by content")
        << "radio.txt"
        << QByteArray("\xEF\xBB\xBF#EXTM3U\n#EXTINF:-1,Jazz Ü\nhttp://example.com/jazz\n"
                      "#EXTINF:120 tvg-name=\"a,b\",Talk, News\nhttps://example.com/talk\n"
                      "#EXTINF:-1,Again\nhttp://example.com/a\n#EXTINF:-1,\nrtsp://example.com/untitled\n")
        << QStringList{"Jazz Ü|http://example.com/jazz", "Talk, News|https://example.com/talk",
                       "rtsp://example.com/untitled|rtsp://example.com/untitled"};
    // U+FFFF, which XSPF cannot hold, leaves the name and makes an address none.
    QTest::newRow("M3U with no-characters")
        << "wide.m3u"
        << QStringLiteral("\uFEFF#EXTM3U\n#EXTINF:-1,Wid\uFFFFe\nhttp://example.com/wide\n"
                          "#EXTINF:-1,Odd\nhttp://example.com/\uFFFE\n")
               .toUtf8()
        << QStringList{"Wide|http://example.com/wide"};
    // A UTF-16 file may hold half of a surrogate pair; it becomes U+FFFD, the whole pair stays.
    QString halfPair = QStringLiteral("\uFEFF#EXTM3U\n#EXTINF:-1,A?B \U0001F3B5\nhttp://example.com/wide16\n");
    halfPair[halfPair.indexOf(u'?')] = QChar(0xDFFF);
    QTest::newRow("UTF-16 M3U with half a surrogate pair")
        << "wide16.m3u"
        << QByteArray(reinterpret_cast<const char *>(halfPair.utf16()), halfPair.size() * 2)
        << QStringList{QStringLiteral("A\uFFFDB \U0001F3B5|http://example.com/wide16")};
    QTest::newRow("PLS")
        << "radio"
        << QByteArray("[Playlist]\r\nNumberOfEntries=4\r\nfile2=mms://example.com/two\r\nFILE1=http://"
                      "example.com/one\r\n"
                      "Title1=One\r\ntitle2 = Two\r\nFile3= http://example.com/a \r\nTitle3=Known\r\n"
                      "; comment\r\nFile10=http://example.com/ten\r\nVersion=2\r\n")
        << QStringList{"One|http://example.com/one", "Two|mms://example.com/two",
                       "http://example.com/ten|http://example.com/ten"};
    QTest::newRow("XSPF")
        << "radio.xspf"
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\"><trackList>\n"
                      "<track><title>R&amp;B</title><location>http://example.com/rnb</location>"
                      "<location>http://example.com/second</location></track>\n"
                      "<track><location> http://example.com/a </location><title>Known</title></track>\n"
                      "<track><location>ftp://example.com/x</location><title>Not a stream</title></track>\n"
                      "<track><title>No location</title></track>\n"
                      "<track><location>http://example.com/untitled</location></track>\n"
                      "</trackList></playlist>\n")
        << QStringList{"R&B|http://example.com/rnb",
                       "http://example.com/untitled|http://example.com/untitled"};
    // As ASX files are found: any letter case, bare "&" in addresses, entries inside "repeat", several refs.
    QTest::newRow("ASX, known by content")
        << "radio.txt"
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- <xspf> -->\n<ASX Version=\"3.0\"><Title>Radios</Title>\n"
                      "<Entry><Title>Rock &amp; Roll</Title><Ref HREF=\"mms://example.com/rock?a=1&b=2\"/>"
                      "<ref href=\"http://example.com/fallback\"/></Entry>\n"
                      "<EntryRef href=\"http://example.com/more.asx\"/>\n"
                      "<repeat><entry><ref href=\"http://example.com/untitled\"/></entry></repeat>\n"
                      "<entry><title>No ref</title></entry>\n"
                      "<entry><title>Known</title><ref href=\" http://example.com/a \"/></entry></ASX>\n")
        << QStringList{"Rock & Roll|mms://example.com/rock?a=1&b=2",
                       "http://example.com/untitled|http://example.com/untitled"};
    QTest::newRow("well-formed ASX keeps its CDATA")
        << "radio.asx"
        << QByteArray("<asx version=\"3.0\"><entry><title><![CDATA[R&B]]></title>"
                      "<ref href=\"http://example.com/rnb?a=1&amp;b=2\"/></entry></asx>")
        << QStringList{"R&B|http://example.com/rnb?a=1&b=2"};
    QTest::newRow("ASX in Windows-1252")
        << "old.asx"
        << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?><asx><entry><title>Caf\xE9 \x93Jazz\x94</title>"
                      "<ref href=\"http://example.com/cafe\"/></entry></asx>")
        << QStringList{"Café “Jazz”|http://example.com/cafe"};
    QTest::newRow("nothing new") << "known.m3u" << QByteArray("http://example.com/a\n") << QStringList();
}

void StationsCommandTest::import() {
    QFETCH(QString, playlist);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, added);
    writeFile(playlist, content);
    writeFile(QStringLiteral("Player.dll"), common::FormatStationFile(kExisting));
    const QByteArray before = readFile(QStringLiteral("Player.dll"));

    const CliRun result = run({"stations", "import", playlist, "--into", path(QStringLiteral("Player.dll"))});
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("%1 new station(s) added.\n").arg(added.size()).toUtf8());
    QCOMPARE(Lines(common::ReadStationFile(path(QStringLiteral("Player.dll"))).value()),
             Lines(kExisting) + added);
    if (added.isEmpty())
        QCOMPARE(readFile(QStringLiteral("Player.dll")), before);
}

void StationsCommandTest::exportAndReimport_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("m3u") << "m3u"
                         << QByteArray("#EXTM3U\n"
                                       "#EXTINF:-1,R&B <Live> \"Ü\"\nhttp://example.com/a?x=1&y=2\n"
                                       "#EXTINF:-1,Talk, News = Talk\nmms://example.com/talk\n"
                                       "#EXTINF:-1,Local  file\n/music/local stream.mp3\n");
    QTest::newRow("pls") << "pls"
                         << QByteArray(
                                "[playlist]\n"
                                "File1=http://example.com/a?x=1&y=2\nTitle1=R&B <Live> \"Ü\"\nLength1=-1\n"
                                "File2=mms://example.com/talk\nTitle2=Talk, News = Talk\nLength2=-1\n"
                                "File3=/music/local stream.mp3\nTitle3=Local  file\nLength3=-1\n"
                                "NumberOfEntries=3\nVersion=2\n");
    QTest::newRow("asx") << "asx"
                         << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<asx version=\"3.0\">\n"
                                       "    <entry>\n"
                                       "        <title>R&amp;B &lt;Live&gt; &quot;Ü&quot;</title>\n"
                                       "        <ref href=\"http://example.com/a?x=1&amp;y=2\"/>\n"
                                       "    </entry>\n"
                                       "    <entry>\n"
                                       "        <title>Talk, News = Talk</title>\n"
                                       "        <ref href=\"mms://example.com/talk\"/>\n"
                                       "    </entry>\n"
                                       "    <entry>\n"
                                       "        <title>Local  file</title>\n"
                                       "        <ref href=\"/music/local stream.mp3\"/>\n"
                                       "    </entry>\n"
                                       "</asx>\n");
    QTest::newRow("xspf") << "xspf"
                          << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                        "<playlist xmlns=\"http://xspf.org/ns/0/\" version=\"1\">\n"
                                        "    <trackList>\n"
                                        "        <track>\n"
                                        "            <location>http://example.com/a?x=1&amp;y=2</location>\n"
                                        "            <title>R&amp;B &lt;Live&gt; &quot;Ü&quot;</title>\n"
                                        "        </track>\n"
                                        "        <track>\n"
                                        "            <location>mms://example.com/talk</location>\n"
                                        "            <title>Talk, News = Talk</title>\n"
                                        "        </track>\n"
                                        "        <track>\n"
                                        "            <location>/music/local stream.mp3</location>\n"
                                        "            <title>Local  file</title>\n"
                                        "        </track>\n"
                                        "    </trackList>\n"
                                        "</playlist>\n");
}

void StationsCommandTest::exportAndReimport() {
    QFETCH(QString, format);
    QFETCH(QByteArray, expected);
    const common::StationList stations = {
        {QStringLiteral("R&B <Live> \"Ü\""), QStringLiteral("http://example.com/a?x=1&y=2")},
        {QStringLiteral("Talk, News = Talk"), QStringLiteral("mms://example.com/talk")},
        {QStringLiteral("Local  file"), QStringLiteral("/music/local stream.mp3")}};
    writeFile(QStringLiteral("Player.dll"), common::FormatStationFile(stations));

    const CliRun exported =
        run({"stations", "export", path(QStringLiteral("Player.dll")), "--format", format});
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(exported.out, expected);

    // No extension: the playlist is recognised by its content.
    writeFile(QStringLiteral("exported"), exported.out);
    const CliRun imported =
        run({"stations", "import", "exported", "--into", path(QStringLiteral("New.dll"))});
    QCOMPARE(imported.out, QByteArray("3 new station(s) added.\n"));
    QCOMPARE(Lines(common::ReadStationFile(path(QStringLiteral("New.dll"))).value()), Lines(stations));
}

void StationsCommandTest::badInput_data() {
    QTest::addColumn<QStringList>("arguments"); // "@NAME" stands for the path of NAME in the program folder
    QTest::addColumn<QString>("playlist");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exitCode");

    const QStringList importPlaylist = {"stations", "import", "@playlist", "--into", "@Player.dll"};
    const QByteArray validM3u = "#EXTM3U\nhttp://example.com/new\n";
    QTest::newRow("list: missing file")
        << QStringList{"stations", "list", "@none.dll"} << "" << QByteArray() << 1;
    QTest::newRow("import: missing playlist") << importPlaylist << "" << QByteArray() << 1;
    QTest::newRow("import: binary junk")
        << importPlaylist << "junk.m3u" << QByteArray("#EXTM3U\n\x00\x01\xff\xfe\x7f\x02junk", 16) << 1;
    QTest::newRow("import: XSPF with an entity bomb")
        << importPlaylist << "bomb.xspf"
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE playlist [<!ENTITY a \"aaaaaaaaaa\">"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c "
                      "\"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>\n"
                      "<playlist version=\"1\"><trackList><track><location>http://example.com/&c;</location>"
                      "</track></trackList></playlist>\n")
        << 1;
    QTest::newRow("import: truncated XSPF")
        << importPlaylist << "cut.xspf"
        << QByteArray("<playlist version=\"1\"><trackList><track><location>http://example.com/x</location>")
        << 1;
    QTest::newRow("import: ASX with a document type declaration")
        << importPlaylist << "bomb.asx"
        << QByteArray("<!DOCTYPE asx [<!ENTITY a \"aaaaaaaaaa\">]>\n"
                      "<asx><entry><ref href=\"http://example.com/&a;&\"/></entry></asx>\n")
        << 1;
    QTest::newRow("import: ASX that is not closed")
        << importPlaylist << "cut.wax" << QByteArray("<asx><entry><ref href=\"http://example.com/x\"/>") << 1;
    QTest::newRow("import: HTML page")
        << importPlaylist << "page.m3u" << QByteArray("<html><body>Not found</body></html>") << 1;
    QTest::newRow("import: no playlist format")
        << importPlaylist << "notes.txt" << QByteArray("hello\n") << 1;
    QTest::newRow("import: oversized playlist")
        << importPlaylist << "big.m3u"
        << QByteArray("#EXTM3U\n") + QByteArray("http://example.com/big\n").repeated(4 * 1024 * 1024 / 23 + 1)
        << 1;
    QTest::newRow("import: into a file that is no station file")
        << QStringList{"stations", "import", "@playlist", "--into", "@notes.txt"} << "new.m3u" << validM3u
        << 1;
    QTest::newRow("add: to a file that is no station file")
        << QStringList{"stations", "add", "@notes.txt", "A", "http://example.com/x"} << "" << QByteArray()
        << 1;
    QTest::newRow("add: blank name") << QStringList{"stations", "add", "@Player.dll", "  ",
                                                    "http://example.com/x"}
                                     << "" << QByteArray() << 1;
    QTest::newRow("add: separator in name")
        << QStringList{"stations", "add", "@Player.dll", "A ==> B", "http://example.com/x"} << ""
        << QByteArray() << 1;
    QTest::newRow("add: line break in address")
        << QStringList{"stations", "add", "@Player.dll", "A", "http://example.com/x\nB"} << "" << QByteArray()
        << 1;
    QTest::newRow("add: address \"0\"")
        << QStringList{"stations", "add", "@Player.dll", "A", "0"} << "" << QByteArray() << 1;
    QTest::newRow("add: missing argument")
        << QStringList{"stations", "add", "@Player.dll", "A"} << "" << QByteArray() << 2;
    QTest::newRow("import: no --into")
        << QStringList{"stations", "import", "@playlist"} << "new.m3u" << validM3u << 2;
    QTest::newRow("export: unknown format")
        << QStringList{"stations", "export", "@Player.dll", "--format", "wav"} << "" << QByteArray() << 2;
    QTest::newRow("list: unknown option")
        << QStringList{"stations", "list", "--bogus", "@Player.dll"} << "" << QByteArray() << 2;
}

void StationsCommandTest::badInput() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, playlist);
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    writeFile(QStringLiteral("Player.dll"), common::FormatStationFile(kExisting));
    writeFile(QStringLiteral("notes.txt"), "My notes\n");
    if (!playlist.isEmpty())
        writeFile(playlist, content);
    for (QString &argument : arguments)
        if (argument.startsWith(u'@'))
            argument = path(argument == QLatin1String("@playlist") ? playlist : argument.mid(1));
    const QMap<QString, QByteArray> before = snapshot();

    const CliRun result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("tunelark-cli: ") && result.err.count('\n') == 1 &&
                 result.err.endsWith('\n'),
             result.err.constData());
    QCOMPARE(snapshot(), before);
}

void StationsCommandTest::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("usage"); // the start of the usage line

    QTest::newRow("tool help") << QStringList{"--help"} << 0 << "Usage: tunelark-cli GROUP SUBCOMMAND";
    QTest::newRow("group help") << QStringList{"stations", "-h"} << 0
                                << "Usage: tunelark-cli stations SUBCOMMAND";
    for (const char *subcommand : {"list", "encode-line", "decode-line", "add", "export", "import"})
        QTest::addRow("%s help", subcommand)
            << QStringList{"stations", subcommand, "--help"} << 0
            << QStringLiteral("Usage: tunelark-cli stations %1 ").arg(subcommand);
    QTest::newRow("no arguments") << QStringList() << 2 << "Usage: tunelark-cli GROUP SUBCOMMAND";
    QTest::newRow("unknown group") << QStringList{"weather"} << 2 << "Usage: tunelark-cli GROUP SUBCOMMAND";
    QTest::newRow("no subcommand") << QStringList{"stations"} << 2
                                   << "Usage: tunelark-cli stations SUBCOMMAND";
    QTest::newRow("unknown subcommand")
        << QStringList{"stations", "frobnicate"} << 2 << "Usage: tunelark-cli stations SUBCOMMAND";
}

// Help asked for goes to stdout with success; a wrong command puts the usage on stderr.
void StationsCommandTest::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, usage);
    const CliRun result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    const QByteArray &shown = exitCode == 0 ? result.out : result.err;
    const QByteArray &other = exitCode == 0 ? result.err : result.out;
    QVERIFY2(shown.contains(usage.toUtf8()), shown.constData());
    QCOMPARE(other, QByteArray());
}

QTEST_GUILESS_MAIN(StationsCommandTest)
#include "stations-command-test.moc"
