#include "player/recording/song-file-name.h"

namespace recording {

namespace {

bool IsRefused(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
           c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

QString TrimmedEnds(QString text) {
    while (!text.isEmpty() && (text.front() == u'.' || text.front() == u' '))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == u'.' || text.back() == u' '))
        text.chop(1);
    return text;
}

} // namespace

QString SafeFileNamePart(const QString &text, qsizetype maxUtf8Bytes) {
    static const QString separators = QStringLiteral("/\\:*?\"<>|");
    QString safe = text.left(kMaxSongFileNameBytes * 2);
    for (QChar &c : safe) {
        if (IsRefused(c))
            c = u' ';
        else if (separators.contains(c))
            c = u'_';
    }
    safe = TrimmedEnds(safe.simplified());
    qsizetype bytes = 0;
    qsizetype length = 0;
    while (length < safe.size()) {
        const bool pair = safe.at(length).isHighSurrogate() && length + 1 < safe.size();
        const char32_t code =
            pair ? QChar::surrogateToUcs4(safe.at(length), safe.at(length + 1)) : safe.at(length).unicode();
        const qsizetype size = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (bytes + size > maxUtf8Bytes)
            break;
        bytes += size;
        length += pair ? 2 : 1;
    }
    return TrimmedEnds(safe.left(length));
}

QString SongFolderName(const QString &station, const QDate &date) {
    QString name = SafeFileNamePart(station, kMaxSongFileNameBytes - 16);
    if (name.isEmpty())
        name = QStringLiteral("Radio");
    return QStringLiteral("Recorded_%1_%2").arg(name, date.toString(QStringLiteral("ddMMyy")));
}

QString SongFileName(int number, const QString &song, bool partial, const QString &extension) {
    const QString prefix = QStringLiteral("%1 ").arg(number, 2, 10, QLatin1Char('0'));
    const QString suffix = QStringLiteral(".") + extension;
    const qsizetype budget = kMaxSongFileNameBytes - (prefix + kPartialMark + suffix).toUtf8().size();
    QString name = SafeFileNamePart(song, budget);
    if (name.isEmpty())
        name = QStringLiteral("Unknown");
    return prefix + name + (partial ? kPartialMark : QString()) + suffix;
}

QString ExtensionForContentType(const QByteArray &contentType) {
    const QByteArray type = contentType.split(';').constFirst().trimmed().toLower();
    if (type.isEmpty() || type == "audio/mpeg" || type == "audio/mp3" || type == "audio/mpeg3" ||
        type == "audio/x-mpeg" || type == "audio/x-mp3")
        return QStringLiteral("mp3");
    if (type == "audio/aac" || type == "audio/aacp" || type == "audio/x-aac" || type == "audio/mp4a-latm")
        return QStringLiteral("aac");
    if (type == "audio/ogg" || type == "application/ogg" || type == "audio/x-ogg" || type == "audio/vorbis")
        return QStringLiteral("ogg");
    if (type == "audio/opus")
        return QStringLiteral("opus");
    if (type == "audio/flac" || type == "audio/x-flac")
        return QStringLiteral("flac");
    // A playlist (M3U, PLS) names streams; it is not one.
    if (!type.startsWith("audio/") || type.contains("mpegurl") || type.contains("scpls"))
        return QString();
    // Another kind of sound: its own subtype, when that makes a short plain extension.
    QByteArray subtype = type.mid(6);
    if (subtype.startsWith("x-"))
        subtype = subtype.mid(2);
    for (const char c : subtype)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return QStringLiteral("audio");
    return subtype.isEmpty() || subtype.size() > 5 ? QStringLiteral("audio") : QString::fromLatin1(subtype);
}

} // namespace recording
