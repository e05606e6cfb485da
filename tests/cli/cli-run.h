#pragma once
// Runs the real tunelark-cli binary in a folder with its own settings folder.

#include <QByteArray>
#include <QEventLoop>
#include <QHash>
#include <QProcess>
#include <QStringList>
#include <QTimer>

struct CliRun {
    int exitCode = -1; // also for a crash or a time-out
    QByteArray out;
    QByteArray err;
};

constexpr int kCliTimeLimitMs = 60000;

inline void StartCli(QProcess &process, const QString &workingFolder, const QString &configHome,
                     const QStringList &arguments, const QHash<QString, QString> &variables = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    for (auto variable = variables.cbegin(); variable != variables.cend(); ++variable)
        environment.insert(variable.key(), variable.value());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(TUNELARK_CLI), arguments);
}

inline CliRun CliRunOf(QProcess &process, bool finished) {
    CliRun result;
    if (finished && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

inline CliRun RunCli(const QString &workingFolder, const QString &configHome, const QStringList &arguments) {
    QProcess process;
    StartCli(process, workingFolder, configHome, arguments);
    return CliRunOf(process, process.waitForFinished(kCliTimeLimitMs));
}

// As RunCli with more environment variables, this thread's event loop running while the tool runs, so
// that a test server on this thread answers it.
inline CliRun RunCliServed(const QString &workingFolder, const QString &configHome,
                           const QStringList &arguments, const QHash<QString, QString> &variables) {
    QProcess process;
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&process, &QProcess::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kCliTimeLimitMs, &loop, &QEventLoop::quit);
    StartCli(process, workingFolder, configHome, arguments, variables);
    loop.exec();
    return CliRunOf(process, finished);
}
