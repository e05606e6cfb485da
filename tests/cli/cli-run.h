#pragma once
// Runs the real tunelark-cli binary in a folder with its own settings folder.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

struct CliRun {
    int exitCode = -1; // also for a crash or a time-out
    QByteArray out;
    QByteArray err;
};

inline CliRun RunCli(const QString &workingFolder, const QString &configHome, const QStringList &arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(TUNELARK_CLI), arguments);
    CliRun result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
