// One copy per user: real player processes started from a copy of the staged program folder.

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void CopyFolder(const QString &from, const QString &to) {
    QDir().mkpath(to);
    QDirIterator files(from, QDir::Files);
    while (files.hasNext()) {
        const QString source = files.next();
        QVERIFY(QFile::copy(source, to + QLatin1Char('/') + QFileInfo(source).fileName()));
    }
}

} // namespace

class SingleCopyTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir root;
    QString folder() const { return root.path() + "/program folder"; }
    QString log() const { return root.path() + "/boxes.log"; }
    QString lockFile() const { return root.path() + "/config/Tunelark/Tunelark.lock"; }

    std::unique_ptr<QProcess> start() {
        auto player = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", root.path() + "/config");
        environment.insert("TUNELARK_MESSAGE_LOG", log());
        player->setProcessEnvironment(environment);
        player->start(folder() + "/Tunelark", {});
        player->waitForStarted();
        return player;
    }

    QString boxes() const {
        QFile file(log());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase() { CopyFolder(QStringLiteral(TUNELARK_PROGRAM_DIR), folder()); }

    void secondCopyIsRefusedAndAKilledCopyBlocksNothing() {
        auto first = start();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile()), 10000);
        QTest::qWait(300);
        QCOMPARE(first->state(), QProcess::Running);

        auto second = start();
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(boxes(), QStringLiteral("Information\tOkOnly\tRavelto's Online Radio\tAnother instance of "
                                         "Ravelto's Online Radio is already running in your memory.\\nCannot "
                                         "run a new instance.\n"));
        QCOMPARE(first->state(), QProcess::Running);

        // A copy that dies without cleaning up leaves its lock behind; it must not block the next start.
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        QVERIFY(QFile::exists(lockFile()));
        QFile::remove(log());
        auto third = start();
        QVERIFY(!third->waitForFinished(1500));
        QCOMPARE(third->state(), QProcess::Running);
        QVERIFY(boxes().isEmpty());
        third->kill();
        third->waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(SingleCopyTest)
#include "tst_single_copy.moc"
