// Runs "tunelark-cli news parse" on saved headline pages and feeds, as a user checking a headline server
// would.

#include "tests/cli/cli-run.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class NewsCommandTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString write(const QString &name, const QByteArray &content) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("as the server sends it")
            << QByteArray(
                   "HTTP/1.0 200 OK\r\n\r\ntheSummaries[0] = 'Rain & sun';\ntheSummaries[1] = 'Caf\xc3\xa9';")
            << QByteArray("News Headline : Rain && sun. \n 'Caf\xc3\xa9\n");
        QTest::newRow("Windows-1252, as pages written on the old platform are")
            << QByteArray("theSummaries[0] = '\x93Hello\x94';theSummaries[1] = 'Caf\xe9';")
            << QByteArray("News Headline : \xe2\x80\x9cHello\xe2\x80\x9d. \n Caf\xc3\xa9\n");
        QTest::newRow("a feed, as the server sends it")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\n\r\n"
                          "<?xml version=\"1.0\" encoding=\"windows-1252\"?><rss version=\"2.0\"><channel>"
                          "<title>News</title><item><title>Rain &amp; sun</title></item>"
                          "<item><title><![CDATA[<b>\x93"
                          "Caf\xe9\x94</b>]]></title></item></channel></rss>")
            << QByteArray("News Headline : Rain && sun. \n \xe2\x80\x9c"
                          "Caf\xc3\xa9\xe2\x80\x9d\n");
        QTest::newRow("one headline: the news would switch off")
            << QByteArray("theSummaries[0] = 'Alone';") << QByteArray();
        QTest::newRow("no headlines") << QByteArray("<html></html>") << QByteArray();
    }
    void parse() {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, out);
        const CliRun run = RunCli(m_dir.path(), m_dir.path(), {"news", "parse", write("tick.htm", page)});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, QByteArray());
    }

    void refusesBadInput_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << "missing.htm";
        QTest::newRow("a folder") << ".";
        QTest::newRow("over 1 MiB") << "big.htm";
    }
    void refusesBadInput() {
        QFETCH(QString, file);
        write("big.htm", QByteArray((1 << 20) + 1, 'x'));
        const CliRun run = RunCli(m_dir.path(), m_dir.path(), {"news", "parse", m_dir.filePath(file)});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(NewsCommandTest)
#include "news-command-test.moc"
