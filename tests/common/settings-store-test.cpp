#include "common/runtime-error.h"
#include "common/settings-store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace common;

class SettingsStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_configHome;

    QByteArray StoredText() const {
        QFile file(m_configHome->filePath(QStringLiteral("Tunelark/Tunelark.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // Every test starts without settings, in a folder of its own.
    void init() {
        m_configHome = std::make_unique<QTemporaryDir>();
        QVERIFY(m_configHome->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome->path()));
    }

    void readsEmptyWhenMissing() {
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Colors"), QStringLiteral("BackColor")), QString());
        SaveSetting(kApplication, QStringLiteral("Colors"), QStringLiteral("BackColor"), QStringLiteral("1"));
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Colors"), QStringLiteral("ForeColor")), QString());
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Window"), QStringLiteral("BackColor")), QString());
        QCOMPARE(GetSetting(QStringLiteral("Other"), QStringLiteral("Colors"), QStringLiteral("BackColor")),
                 QString());
    }

    void keepsValuesExactly_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "16777215";
        QTest::newRow("trailing blank") << "1 ";
        QTest::newRow("leading blank") << " 1";
        QTest::newRow("only blanks") << "   ";
        QTest::newRow("comma") << "a,b";
        QTest::newRow("comma and blank") << "Rock, Pop";
        QTest::newRow("equals") << "a=b";
        QTest::newRow("double quotes") << "\"quoted\"";
        QTest::newRow("single quote") << "it's";
        QTest::newRow("semicolon and hash") << "a;b#c";
        QTest::newRow("backslash") << "C:\\Music\\";
        QTest::newRow("at sign first") << "@Variant(x)";
        QTest::newRow("brackets") << "[Section]";
        QTest::newRow("url") << "http://example.com/a?x=1&y=2";
        QTest::newRow("line break") << "one\ntwo";
        QTest::newRow("non-ASCII") << "Café – Ünïcödé 📻";
        QTest::newRow("empty") << "";
    }
    void keepsValuesExactly() {
        QFETCH(QString, value);
        SaveSetting(kApplication, QStringLiteral("Values"), QStringLiteral("Value"), value);
        SaveSetting(kApplication, QStringLiteral("Values"), QStringLiteral("Next"), QStringLiteral("after"));
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Values"), QStringLiteral("Value")), value);
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Values"), QStringLiteral("Next")),
                 QStringLiteral("after"));
    }

    void matchesNamesWithoutCase() {
        SaveSetting(kApplication, QStringLiteral("Colors"), QStringLiteral("BackColor"), QStringLiteral("1"));
        QCOMPARE(GetSetting(kApplication, QStringLiteral("COLORS"), QStringLiteral("Backcolor")),
                 QStringLiteral("1"));

        SaveSetting(kApplication, QStringLiteral("colors"), QStringLiteral("backcolor"), QStringLiteral("2"));
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Colors"), QStringLiteral("BackColor")),
                 QStringLiteral("2"));
        const QByteArray stored = StoredText().toLower();
        QCOMPARE(stored.count("backcolor"), 1);
        QCOMPARE(stored.count("[colors]"), 1);
    }

    void throwsWhenUnwritable() {
        // Root passes every permission check, so the settings folder is made impossible to create instead.
        const QString configHome = m_configHome->filePath(QStringLiteral("plain-file"));
        QFile file(configHome);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, SaveSetting(kApplication, QStringLiteral("Colors"),
                                                           QStringLiteral("BackColor"), QStringLiteral("1")));
        QCOMPARE(GetSetting(kApplication, QStringLiteral("Colors"), QStringLiteral("BackColor")), QString());
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings-store-test.moc"
