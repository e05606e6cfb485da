// Where the station list is read and changed, on real folders: a program folder the user can write keeps
// everything; one that cannot be changed (a read-only bind mount as root, the permission bits otherwise)
// sends changes to the user's copy, made once from the program folder's list; the skin folders' order.

#include "common/runtime-error.h"
#include "common/user-data.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

bool Run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QByteArray Bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

const QByteArray kProgramList = "1234\r\n\r\n5678\r\n\r\n";
const QByteArray kUserList = "4321\r\n\r\n";

} // namespace

class UserDataTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_mounted;

    QString program() const { return m_root->path() + "/program folder"; }
    QString userCopy() const { return m_root->path() + "/data/Tunelark/Player.dll"; }
    void makeReadOnly() {
        if (geteuid() != 0) {
            QVERIFY(QFile::setPermissions(program(), QFile::ReadOwner | QFile::ExeOwner));
            return;
        }
        QVERIFY2(Run("mount", {"--bind", program(), program()}), "a read-only folder needs mount as root");
        m_mounted = program();
        QVERIFY(Run("mount", {"-o", "remount,ro,bind", program(), program()}));
    }

private slots:
    void init() {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(program()));
        qputenv("XDG_DATA_HOME", (m_root->path() + "/data").toLocal8Bit());
    }
    void cleanup() {
        if (!m_mounted.isEmpty())
            QVERIFY(Run("umount", {m_mounted}));
        m_mounted.clear();
        QFile::setPermissions(program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_root.reset();
    }

    void stationListPlaces_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("programList"); // the program folder holds a Player.dll
        QTest::addColumn<bool>("userList");    // the user's copy exists before
        QTest::addColumn<bool>("readsUser");
        QTest::addColumn<bool>("changesUser");
        QTest::addColumn<QByteArray>("userAfter"); // the user's copy after the first change's path
        QTest::newRow("writable folder") << false << true << false << false << false << QByteArray();
        QTest::newRow("writable folder keeps its list over a user's copy")
            << false << true << true << false << false << kUserList;
        QTest::newRow("read-only folder: first change copies the list")
            << true << true << false << false << true << kProgramList;
        QTest::newRow("read-only folder: the user's copy is read and kept")
            << true << true << true << true << true << kUserList;
        QTest::newRow("read-only folder without a list: nothing to copy")
            << true << false << false << false << true << QByteArray();
    }
    void stationListPlaces() {
        QFETCH(bool, readOnly);
        QFETCH(bool, programList);
        QFETCH(bool, userList);
        QFETCH(bool, readsUser);
        QFETCH(bool, changesUser);
        QFETCH(QByteArray, userAfter);
        const QString programFile = program() + "/Player.dll";
        if (programList)
            Write(programFile, kProgramList);
        if (userList) {
            QVERIFY(QDir().mkpath(QFileInfo(userCopy()).path()));
            Write(userCopy(), kUserList);
        }
        if (readOnly)
            makeReadOnly();
        QCOMPARE(common::CanChangeProgramStationList(program()), !readOnly);
        QCOMPARE(common::StationListPath(program()), readsUser ? userCopy() : programFile);
        QCOMPARE(common::StationListPathForChange(program()), changesUser ? userCopy() : programFile);
        QCOMPARE(QFileInfo::exists(userCopy()), !userAfter.isNull());
        QCOMPARE(Bytes(userCopy()), userAfter);
        // Once the copy exists, it is what the programs read.
        QCOMPARE(common::StationListPath(program()),
                 QFileInfo::exists(userCopy()) && readOnly ? userCopy() : programFile);
        QCOMPARE(Bytes(programFile), programList ? kProgramList : QByteArray());
        QCOMPARE(QDir(program()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 programList ? QStringList{"Player.dll"} : QStringList{});
    }

    void copyThatCannotBeMadeThrows() {
        Write(program() + "/Player.dll", kProgramList);
        Write(m_root->path() + "/data", "a file where the data folder should be");
        makeReadOnly();
        QVERIFY_THROWS_EXCEPTION(common::RuntimeError, common::StationListPathForChange(program()));
    }

    void userSkinsComeFirst() {
        QCOMPARE(common::SkinsFolders(program()),
                 (QStringList{m_root->path() + "/data/Tunelark/Skins", program() + "/Skins"}));
    }
};

QTEST_GUILESS_MAIN(UserDataTest)
#include "user-data-test.moc"
