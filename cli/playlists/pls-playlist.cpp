#include "cli/playlists/pls-playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/playlist-lines.h"

#include <QMap>
#include <QRegularExpression>

namespace cli {

common::StationList ParsePls(const QString &text) {
    static const QRegularExpression entryKey(QStringLiteral("^(file|title)(\\d{1,9})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QMap<int, QString> addresses;
    QMap<int, QString> titles;
    bool inPlaylistSection = true; // keys before any section header are taken too
    for (const QString &rawLine : PlaylistLines(text)) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            inPlaylistSection = line.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QRegularExpressionMatch key = entryKey.match(line.left(equals).trimmed());
        if (!inPlaylistSection || equals < 0 || !key.hasMatch())
            continue;
        const bool isFile = key.captured(1).compare(QLatin1String("file"), Qt::CaseInsensitive) == 0;
        QMap<int, QString> &values = isFile ? addresses : titles;
        const int number = key.captured(2).toInt();
        if (!values.contains(number))
            values.insert(number, line.mid(equals + 1).trimmed());
    }
    common::StationList entries;
    for (auto address = addresses.cbegin(); address != addresses.cend(); ++address)
        entries.append({titles.value(address.key()), address.value()});
    return entries;
}

QByteArray FormatPls(const common::StationList &stations) {
    QString text = QStringLiteral("[playlist]\n");
    for (qsizetype i = 0; i < stations.size(); ++i)
        text += QStringLiteral("File%1=%2\nTitle%1=%3\nLength%1=-1\n")
                    .arg(QString::number(i + 1), OnOneLine(stations[i].address), OnOneLine(stations[i].name));
    text += QStringLiteral("NumberOfEntries=%1\nVersion=2\n").arg(stations.size());
    return text.toUtf8();
}

} // namespace cli
