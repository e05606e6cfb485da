#include "cli/playlists/pls-playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/playlist-lines.h"

#include <QMap>
#include <algorithm>
#include <optional>

namespace cli {

namespace {

struct EntryKey {
    bool isFile; // "FileN", else "TitleN"
    int number;
};

// "fileN" or "titleN" in any letter case, N of 1 to 9 digits.
std::optional<EntryKey> ReadEntryKey(QStringView key) {
    const bool isFile = key.startsWith(QLatin1String("file"), Qt::CaseInsensitive);
    if (!isFile && !key.startsWith(QLatin1String("title"), Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView digits = key.mid(isFile ? 4 : 5);
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (digits.isEmpty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    return EntryKey{isFile, digits.toInt()};
}

} // namespace

common::StationList ParsePls(const QString &text) {
    QMap<int, QString> addresses;
    QMap<int, QString> titles;
    bool inPlaylistSection = true; // keys before any section header are taken too
    ForEachPlaylistLine(text, [&](QStringView rawLine) {
        const QStringView line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            inPlaylistSection = line.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) == 0;
            return;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inPlaylistSection || equals < 0)
            return;
        const std::optional<EntryKey> key = ReadEntryKey(line.left(equals).trimmed());
        if (!key)
            return;
        QMap<int, QString> &values = key->isFile ? addresses : titles;
        if (!values.contains(key->number))
            values.insert(key->number, line.mid(equals + 1).trimmed().toString());
    });
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
