#include "tests/platform/media/media-fixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>

bool MakeMedia(const QStringList &inputs, const QString &file) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-nostdin", "-hide_banner", "-loglevel", "error", "-y"} + inputs +
                     QStringList{file});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
        qWarning("ffmpeg failed: %s", ffmpeg.readAllStandardError().constData());
        return false;
    }
    return true;
}

void ServeFolder(HttpTestServer &server, const QString &prefix, const QString &folder) {
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            server.route(prefix + QLatin1Char('/') + name, HttpTestServer::Route(200, file.readAll()));
    }
}

QString MissingServices(bool icecast) {
    if (!qEnvironmentVariableIsSet("PULSE_SERVER"))
        return QStringLiteral(
            "needs the test PulseAudio daemon (start_pulseaudio in scripts/services/pulseaudio.sh)");
    if (icecast && !qEnvironmentVariableIsSet("TUNELARK_TEST_ICECAST_URL"))
        return QStringLiteral("needs the test Icecast stream (start_icecast in scripts/services/icecast.sh)");
    return {};
}

QString IcecastUrl() { return qEnvironmentVariable("TUNELARK_TEST_ICECAST_URL"); }

FailureCounter::FailureCounter(platform::media::MediaPlayerControl &control) {
    connect(&control, &platform::media::MediaPlayerControl::StatusChange, this, [this, &control] {
        if (control.playState() == platform::media::MediaPlayerControl::Playing)
            sawPlaying = true;
        if (control.playState() == platform::media::MediaPlayerControl::Ready &&
            control.Error().errorCount() > 0) {
            ++failures;
            control.Error().clearErrorQueue(); // as the player does after each message
        }
    });
}
