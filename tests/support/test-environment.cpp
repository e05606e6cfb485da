#include "tests/support/test-environment.h"

#include <QDir>
#include <QFile>

namespace {

const char *const kCompanionFiles[] = {"lame_enc.dll", "Tunelark.dll", "Process.dll", "Player.dll",
                                       "Stations",     "Skin.dll",     "Encoder.dll"};

} // namespace

TestEnvironment::TestEnvironment() {
    QDir().mkpath(programFolder());
    QDir().mkpath(configHome());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    for (const char *name : kCompanionFiles)
        writeFile(QString::fromLatin1(name), QByteArray());
    ui::InstallMessageBoxHandler([this](const ui::BoxRequest &request) {
        boxes.append(request);
        return answer;
    });
    ui::InstallEndProgramHandler([this](int exitCode) { endedWith = exitCode; });
}

TestEnvironment::~TestEnvironment() {
    ui::InstallMessageBoxHandler({});
    ui::InstallEndProgramHandler({});
}

void TestEnvironment::writeFile(const QString &fileName, const QByteArray &content) const {
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the test file %s", qPrintable(path(fileName)));
}

void TestEnvironment::removeFile(const QString &fileName) const { QFile::remove(path(fileName)); }
