// Finding a folder's entries in any letter case, on a real folder: which entry a name finds when
// several differ only by case, and the order names are listed in.

#include "common/folder-entries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using common::FolderEntries;

class FolderEntriesTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    // Makes each entry: a folder when its name ends with "/", otherwise an empty file.
    void make(const QStringList &entries) {
        for (const QString &entry : entries) {
            if (entry.endsWith('/'))
                QVERIFY(QDir(m_dir->path()).mkdir(entry.chopped(1)));
            else
                QVERIFY(QFile(m_dir->filePath(entry)).open(QIODevice::WriteOnly));
        }
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void findsAFileInAnyLetterCase_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found"); // empty when nothing matches
        QTest::newRow("same name") << QStringList{"Play.jpg"} << "Play.jpg"
                                   << "Play.jpg";
        QTest::newRow("other capitals") << QStringList{"PLAY.JPG"} << "Play.jpg"
                                        << "PLAY.JPG";
        QTest::newRow("the exact name among its case twins")
            << QStringList{"PLAY.JPG", "Play.jpg", "play.jpg"} << "play.jpg"
            << "play.jpg";
        QTest::newRow("no exact name: the first in sorted order")
            << QStringList{"play.JPG", "PLAY.jpg", "pLay.jpg"} << "Play.jpg"
            << "PLAY.jpg";
        QTest::newRow("beyond ASCII") << QStringList{"ÄRGER.JPG"} << "ärger.jpg"
                                      << "ÄRGER.JPG";
        QTest::newRow("no such name") << QStringList{"Stop.jpg", "Play.jpeg"} << "Play.jpg" << QString();
        QTest::newRow("a folder is not a file") << QStringList{"play.jpg/"} << "Play.jpg" << QString();
        QTest::newRow("not a path") << QStringList{"Play.jpg"} << "./Play.jpg" << QString();
    }
    void findsAFileInAnyLetterCase() {
        QFETCH(QStringList, entries);
        QFETCH(QString, name);
        QFETCH(QString, found);
        make(entries);
        const FolderEntries files(m_dir->path(), QDir::Files);
        QCOMPARE(files.Find(name), found);
        QCOMPARE(files.FilePath(name), m_dir->path() + '/' + (found.isEmpty() ? name : found));
    }

    void namesSortWithoutRegardToCase() {
        make({"Zen/", "aqua/", "Aqua/", "Night/", "readme.txt"});
        QCOMPARE(FolderEntries(m_dir->path(), QDir::Dirs).Names(),
                 (QStringList{"Aqua", "aqua", "Night", "Zen"}));
    }

    void aMissingFolderHasNoEntries() {
        const FolderEntries none(m_dir->filePath("gone"), QDir::Files);
        QVERIFY(none.Names().isEmpty());
        QCOMPARE(none.FilePath("Settings.ini"), m_dir->filePath("gone") + "/Settings.ini");
    }
};

QTEST_GUILESS_MAIN(FolderEntriesTest)
#include "folder-entries-test.moc"
