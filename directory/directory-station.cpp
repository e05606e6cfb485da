#include "directory/directory-station.h"

#include "common/one-line.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringTokenizer>
#include <QUrl>

namespace directory {

namespace {

const QLatin1String kRecordSeparator("==>");

// A text as one bounded line: control characters become blanks, half of a surrogate pair (which the
// file's UTF-8 cannot hold) becomes U+FFFD, the ends lose their white space.
QString CleanText(const QString &text, qsizetype maxLength) {
    QString clean = common::OnOneLine(text.left(maxLength));
    for (qsizetype i = 0; i < clean.size(); ++i) {
        if (clean[i].isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate())
            ++i;
        else if (clean[i].isSurrogate())
            clean[i] = QChar::ReplacementCharacter;
    }
    return clean.trimmed();
}

// A name the station file reads back as it was written: "==>" would split its record, so a blank goes
// between its two "=" ("= =>" cannot form the separator again with its neighbours). The name is cut
// after that, so it stays within its bound.
QString CleanName(const QString &name) {
    const QString clean =
        CleanText(QString(name).replace(kRecordSeparator, QLatin1String("= =>")), kMaxNameLength);
    return clean == QLatin1String("0") ? QString() : clean;
}

bool IsUsableAddress(const QString &address) {
    if (address.isEmpty() || address.size() > kMaxAddressLength || common::HasControlCharacter(address) ||
        address.contains(kRecordSeparator) || address != address.trimmed() || !address.isValidUtf16())
        return false;
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QString Address(const QJsonObject &entry) {
    for (const QLatin1String key : {QLatin1String("url_resolved"), QLatin1String("url")}) {
        const QString address = entry.value(key).toString().trimmed();
        if (IsUsableAddress(address))
            return address;
    }
    return {};
}

QStringList Tags(const QString &text) {
    QStringList tags;
    // Taken piece by piece: a long text of commas never becomes a long list.
    for (const QStringView piece : qTokenize(text, u',')) {
        if (tags.size() == kMaxTags)
            break;
        const QString tag = CleanText(piece.toString(), kMaxTagLength);
        if (!tag.isEmpty())
            tags.append(tag);
    }
    return tags;
}

int Bitrate(const QJsonValue &value) {
    const qint64 bitrate = value.toInteger();
    return bitrate > 0 && bitrate <= kMaxBitrate ? static_cast<int>(bitrate) : 0;
}

std::optional<DirectoryStation> StationOf(const QJsonValue &value) {
    const QJsonObject entry = value.toObject();
    DirectoryStation station;
    station.name = CleanName(entry.value(QLatin1String("name")).toString());
    station.address = Address(entry);
    if (station.name.isEmpty() || station.address.isEmpty())
        return std::nullopt;
    station.countryCode = CleanText(entry.value(QLatin1String("countrycode")).toString(), kMaxCodeLength);
    station.codec = CleanText(entry.value(QLatin1String("codec")).toString(), kMaxCodeLength);
    station.bitrate = Bitrate(entry.value(QLatin1String("bitrate")));
    station.tags = Tags(entry.value(QLatin1String("tags")).toString());
    return station;
}

SearchResult Unreadable(const QString &why) {
    return SearchResult{{}, QStringLiteral("The directory's answer could not be read: %1.").arg(why)};
}

} // namespace

SearchResult ParseDirectoryStations(const QByteArray &json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return Unreadable(QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isArray())
        return Unreadable(QStringLiteral("it is not a list of stations"));
    SearchResult result;
    for (const QJsonValue &value : document.array())
        if (const auto station = StationOf(value))
            result.stations.append(*station);
    return result;
}

common::Station ToStation(const DirectoryStation &station) {
    return common::Station{station.name, station.address};
}

common::StationList ToStations(const QList<DirectoryStation> &stations) {
    common::StationList chosen;
    QSet<QString> addresses;
    for (const DirectoryStation &station : stations)
        if (!addresses.contains(station.address)) {
            addresses.insert(station.address);
            chosen.append(ToStation(station));
        }
    return chosen;
}

} // namespace directory
