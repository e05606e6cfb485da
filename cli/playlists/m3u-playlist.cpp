#include "cli/playlists/m3u-playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/playlist-lines.h"

#include <utility>

namespace cli {

namespace {

const QString kExtInf = QStringLiteral("#EXTINF:");

// The title of an #EXTINF line: what follows the first comma outside the quoted attribute values that
// some writers put between the length and the comma.
QString ExtInfTitle(QStringView line) {
    bool quoted = false;
    for (qsizetype i = kExtInf.size(); i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u',' && !quoted)
            return line.mid(i + 1).trimmed().toString();
    }
    return QString();
}

} // namespace

common::StationList ParseM3u(const QString &text) {
    common::StationList entries;
    QString title;
    ForEachPlaylistLine(text, [&](QStringView rawLine) {
        const QStringView line = rawLine.trimmed();
        if (line.startsWith(kExtInf, Qt::CaseInsensitive))
            title = ExtInfTitle(line);
        else if (!line.isEmpty() && !line.startsWith(u'#'))
            entries.append({std::exchange(title, QString()), line.toString()});
    });
    return entries;
}

QByteArray FormatM3u(const common::StationList &stations) {
    QString text = QStringLiteral("#EXTM3U\n");
    for (const common::Station &station : stations)
        text +=
            QStringLiteral("#EXTINF:-1,%1\n%2\n").arg(OnOneLine(station.name), OnOneLine(station.address));
    return text.toUtf8();
}

} // namespace cli
