// When libVLC's plugins are missing the engine cannot start: the control says so in a way the player
// detects at start-up (engineAvailable() false, the constructor throws EngineUnavailable) instead of
// crashing. The plugins go missing for real: a copy of libVLC in a folder of its own finds no
// plugins beside it.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Probe(const QString &libraryPath) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (!libraryPath.isEmpty())
        environment.insert("LD_LIBRARY_PATH", libraryPath);
    probe.setProcessEnvironment(environment);
    probe.start(MEDIA_ENGINE_PROBE, {});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return QStringLiteral("probe failed: ") + probe.readAllStandardError();
    return QString::fromLatin1(probe.readAllStandardOutput()).trimmed();
}

} // namespace

class MediaEngineMissingTest : public QObject {
    Q_OBJECT
private slots:
    void engineStartsWithItsPlugins() { QCOMPARE(Probe({}), QStringLiteral("available created")); }

    void missingPluginsAreReported() {
        QTemporaryDir folder;
        const QDir system(LIBVLC_LIBRARY_DIR);
        const QStringList libraries = system.entryList({"libvlc.so.[0-9]", "libvlccore.so.[0-9]"});
        QCOMPARE(libraries.size(), 2);
        for (const QString &library : libraries)
            QVERIFY(QFile::copy(system.filePath(library), folder.filePath(library)));
        QCOMPARE(Probe(folder.path()), QStringLiteral("unavailable refused"));
    }
};

QTEST_GUILESS_MAIN(MediaEngineMissingTest)
#include "tst_media_engine_missing.moc"
