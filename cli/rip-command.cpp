#include "cli/rip-command.h"

#include "platform/process/stop-requests.h"
#include "player/recording/song-recording.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

namespace cli {

namespace {

constexpr double kMaxMinutes = 7 * 24 * 60;

double MinutesFrom(const QString &text) {
    bool isNumber = false;
    const double minutes = text.toDouble(&isNumber);
    if (!isNumber || !(minutes > 0) || minutes > kMaxMinutes)
        throw CliError{kExitUsage,
                       QStringLiteral("--minutes takes a number above 0 and up to %1 (a week), not '%2'.")
                           .arg(kMaxMinutes)
                           .arg(text)};
    return minutes;
}

QUrl AddressFrom(const QString &text) {
    const QUrl address = QUrl::fromUserInput(text);
    if (!address.isValid() || address.host().isEmpty() ||
        (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https")))
        throw BadInput(QStringLiteral("'%1' is not an http or https address.").arg(text));
    return address;
}

// The folder must exist (it is made when missing) and take new files.
QString FolderFrom(const QString &text) {
    const QString folder = QFileInfo(text).absoluteFilePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw BadInput(QStringLiteral("The folder %1 cannot be created.").arg(folder));
    QFile probe(QDir(folder).filePath(QStringLiteral(".tunelark-rip-check")));
    if (!probe.open(QIODevice::WriteOnly))
        throw BadInput(
            QStringLiteral("The folder %1 cannot be written to: %2").arg(folder, probe.errorString()));
    probe.remove();
    return folder;
}

int Rip(const ParsedCommand &command) {
    const double minutes = MinutesFrom(command.value);
    if (!command.options.contains(QStringLiteral("out")))
        throw CliError{kExitUsage, QStringLiteral("Option '--out' is required.")};
    const QUrl address = AddressFrom(command.positional[0]);
    const QString folder = FolderFrom(command.options.value(QStringLiteral("out")));

    recording::SongRecording recording(address, folder, QString());
    QEventLoop loop;
    QString error;
    QObject::connect(&recording, &recording::SongRecording::fileFinished,
                     [](const QString &path) { WriteOut(path + u'\n'); });
    QObject::connect(&recording, &recording::SongRecording::finished, &loop,
                     [&loop, &error](const QString &why) {
                         error = why;
                         loop.quit();
                     });
    QTimer::singleShot(qRound64(minutes * 60000), &recording, &recording::SongRecording::stop);
    // Ctrl+C or a kill ends the recording early as the time would: the last song is closed and marked.
    platform::process::StopRequests stopRequests;
    QObject::connect(&stopRequests, &platform::process::StopRequests::stopRequested, &recording,
                     &recording::SongRecording::stop);
    loop.exec();
    if (!error.isEmpty())
        throw BadInput(error);
    return kExitOk;
}

} // namespace

CommandGroup RipCommand() {
    return CommandGroup{
        QStringLiteral("rip"),
        QStringLiteral("Record a station's own stream, one file per song."),
        {
            {QString(),
             QStringLiteral("ADDRESS --minutes N --out DIR"),
             QStringLiteral("Record the stream at ADDRESS for N minutes into DIR."),
             QStringLiteral(
                 "Records the stream at the http or https ADDRESS for N minutes (a fraction is\n"
                 "allowed) as the station sends it, without re-encoding, into the folder\n"
                 "\"Recorded_<station>_<ddmmyy>\" in DIR (made when missing): one file per song,\n"
                 "\"NN Artist - Title.ext\", split where the stream's title changes; the songs cut\n"
                 "off at the start and at the end are marked \"(partial)\", and MP3 files carry an\n"
                 "ID3 tag with the title, the artist and the station. Each file's path is printed\n"
                 "when it is complete. A dropped connection is tried again for up to 5 minutes.\n"
                 "Ctrl+C (or SIGTERM, SIGHUP) ends the recording before the time is up, as the\n"
                 "time would: the last song's file is closed, marked \"(partial)\" and printed.\n"
                 "The exit status is 1 when the address cannot be reached or sends no sound, when\n"
                 "DIR cannot be written, or when the station goes away before the time is up (the\n"
                 "files recorded so far stay).\n"),
             1,
             QStringLiteral("minutes"),
             Rip,
             false,
             {QStringLiteral("out")}},
        }};
}

} // namespace cli
