#include "cli/playlists/playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/asx-playlist.h"
#include "cli/playlists/m3u-playlist.h"
#include "cli/playlists/pls-playlist.h"
#include "cli/playlists/xspf-playlist.h"
#include "common/station-codec.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>

namespace cli {

namespace {

QByteArray ReadCapped(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw BadInput(QStringLiteral("playlist '%1' does not exist").arg(path));
    if (!info.isFile())
        throw BadInput(QStringLiteral("playlist '%1' is not a file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BadInput(QStringLiteral("cannot read playlist '%1': %2").arg(path, file.errorString()));
    const auto tooLarge = [&path] {
        return BadInput(
            QStringLiteral("playlist '%1' is larger than %2 MiB").arg(path).arg(kMaxPlaylistBytes >> 20));
    };
    if (file.size() > kMaxPlaylistBytes)
        throw tooLarge();
    // Read in pieces, so a small playlist takes little memory; one byte past the cap catches a file that
    // grew or reported no size.
    constexpr qint64 kPieceBytes = 64 * 1024;
    QByteArray content;
    while (content.size() <= kMaxPlaylistBytes) {
        const QByteArray piece = file.read(std::min(kPieceBytes, kMaxPlaylistBytes + 1 - content.size()));
        if (piece.isEmpty())
            break;
        content += piece;
    }
    if (content.size() > kMaxPlaylistBytes)
        throw tooLarge();
    if (file.error() != QFileDevice::NoError)
        throw BadInput(QStringLiteral("cannot read playlist '%1': %2").arg(path, file.errorString()));
    return content;
}

// The UTF-16 decoder passes a surrogate without its pair; no playlist or station file could hold it.
void ReplaceUnpairedSurrogates(QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

// The playlist as text: UTF-16 or UTF-32 when a byte order mark says so, else UTF-8 when valid, else
// Windows-1252, as older playlists are. Nothing when the content is not text.
std::optional<QString> PlaylistText(const QByteArray &content) {
    static const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
    QString text;
    const auto encoding = QStringConverter::encodingForData(content);
    if (encoding && *encoding != QStringConverter::Utf8) {
        QStringDecoder decoder(*encoding);
        text = decoder(content);
        if (decoder.hasError())
            return std::nullopt;
        ReplaceUnpairedSurrogates(text);
    } else {
        text =
            common::TextFromRecordBytes(content.startsWith(utf8Bom) ? content.mid(utf8Bom.size()) : content);
    }
    const auto isBinary = [](QChar c) {
        return c != u'\t' && c != u'\r' && c != u'\n' && IsControlCharacter(c);
    };
    if (std::any_of(text.cbegin(), text.cend(), isBinary))
        return std::nullopt;
    return text;
}

// The name of an XML document's root element: what follows the first "<" that opens no declaration,
// processing instruction or comment.
QStringView XmlRootName(QStringView text) {
    qsizetype at = 0;
    while ((at = text.indexOf(u'<', at)) >= 0) {
        const QStringView rest = text.mid(at);
        const QLatin1String closing = rest.startsWith(QLatin1String("<!--"))  ? QLatin1String("-->")
                                      : rest.startsWith(QLatin1String("<?")) ? QLatin1String("?>")
                                      : rest.startsWith(QLatin1String("<!")) ? QLatin1String(">")
                                                                              : QLatin1String();
        if (closing.isEmpty()) {
            qsizetype end = 1;
            while (end < rest.size() && (rest[end].isLetterOrNumber() || rest[end] == u':'))
                ++end;
            return rest.mid(1, end - 1);
        }
        const qsizetype close = text.indexOf(closing, at + 2);
        if (close < 0)
            return QStringView();
        at = close + closing.size();
    }
    return QStringView();
}

// The first line that holds more than blanks, without its blanks; found without splitting the text.
QStringView FirstLine(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    return text.mid(start, end - start).trimmed();
}

std::optional<PlaylistFormat> FormatFromContent(const QString &text) {
    const QStringView line = FirstLine(text);
    if (line.startsWith(u'<'))
        return XmlRootName(text).compare(QLatin1String("asx"), Qt::CaseInsensitive) == 0 ? PlaylistFormat::Asx
                                                                                          : PlaylistFormat::Xspf;
    if (line.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) == 0)
        return PlaylistFormat::Pls;
    if (line.startsWith(QLatin1String("#EXTM3U"), Qt::CaseInsensitive))
        return PlaylistFormat::M3u;
    return std::nullopt;
}

std::optional<PlaylistFormat> FormatFromExtension(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("m3u8"))
        return PlaylistFormat::M3u;
    // Windows Media's names for the same format
    if (suffix == QLatin1String("wax") || suffix == QLatin1String("wvx"))
        return PlaylistFormat::Asx;
    return PlaylistFormatFromName(suffix);
}

// U+FFFE and U+FFFF are no characters: an XSPF playlist cannot hold them, so a station that has one
// would not come back from the playlists it is written to.
bool IsNoCharacter(QChar c) { return c.unicode() == 0xFFFE || c.unicode() == 0xFFFF; }

// A network address with a scheme a stream can use, a file URL, or an absolute file path; never text
// that a station file cannot hold.
bool IsStreamAddress(const QString &address) {
    static const QStringList networkSchemes = {
        QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mms"),  QStringLiteral("mmsh"),
        QStringLiteral("mmst"), QStringLiteral("rtsp"),  QStringLiteral("rtmp"), QStringLiteral("rtmps")};
    // "/…", "C:\…", "C:/…" or "\\server\…"
    static const QRegularExpression absolutePath(QStringLiteral("^(/|[A-Za-z]:[\\\\/]|\\\\\\\\)"));
    if (address.isEmpty() || address.contains(QLatin1String("==>")) || HasControlCharacter(address) ||
        std::any_of(address.cbegin(), address.cend(), IsNoCharacter))
        return false;
    if (absolutePath.match(address).hasMatch())
        return true;
    const QUrl url(address);
    if (!url.isValid())
        return false;
    if (url.scheme() == QLatin1String("file"))
        return !url.path().isEmpty();
    return networkSchemes.contains(url.scheme()) && !url.host().isEmpty();
}

std::optional<common::Station> AcceptedEntry(const common::Station &entry) {
    const QString address = entry.address.trimmed();
    if (!IsStreamAddress(address))
        return std::nullopt;
    QString name = OnOneLine(entry.name);
    name.removeIf(IsNoCharacter);
    name = name.trimmed();
    const bool unusable = name.isEmpty() || name == QLatin1String("0") || name.contains(QLatin1String("==>"));
    return common::Station{unusable ? address : name, address};
}

} // namespace

std::optional<PlaylistFormat> PlaylistFormatFromName(const QString &name) {
    const QString lower = name.toLower();
    if (lower == QLatin1String("m3u"))
        return PlaylistFormat::M3u;
    if (lower == QLatin1String("pls"))
        return PlaylistFormat::Pls;
    if (lower == QLatin1String("xspf"))
        return PlaylistFormat::Xspf;
    if (lower == QLatin1String("asx"))
        return PlaylistFormat::Asx;
    return std::nullopt;
}

common::StationList ReadPlaylistFile(const QString &path) { return ParsePlaylist(ReadCapped(path), path); }

common::StationList ParsePlaylist(const QByteArray &content, const QString &name) {
    const std::optional<QString> text = PlaylistText(content);
    if (!text)
        throw BadInput(QStringLiteral("playlist '%1' is not a text file").arg(name));
    std::optional<PlaylistFormat> format = FormatFromContent(*text);
    if (!format)
        format = FormatFromExtension(name);
    if (!format)
        throw BadInput(
            QStringLiteral("'%1' is not a playlist that can be read (M3U, PLS, XSPF or ASX)").arg(name));

    common::StationList entries;
    try {
        switch (*format) {
        case PlaylistFormat::M3u:
            entries = ParseM3u(*text);
            break;
        case PlaylistFormat::Pls:
            entries = ParsePls(*text);
            break;
        case PlaylistFormat::Xspf:
            entries = ParseXspf(content);
            break;
        case PlaylistFormat::Asx:
            entries = ParseAsx(*text);
            break;
        }
    } catch (const CliError &error) {
        throw BadInput(QStringLiteral("playlist '%1' %2").arg(name, error.message));
    }
    common::StationList accepted;
    for (const common::Station &entry : std::as_const(entries))
        if (const auto station = AcceptedEntry(entry))
            accepted.append(*station);
    return accepted;
}

QByteArray FormatPlaylist(const common::StationList &stations, PlaylistFormat format) {
    switch (format) {
    case PlaylistFormat::M3u:
        return FormatM3u(stations);
    case PlaylistFormat::Pls:
        return FormatPls(stations);
    case PlaylistFormat::Xspf:
        return FormatXspf(stations);
    case PlaylistFormat::Asx:
        return FormatAsx(stations);
    }
    return QByteArray();
}

} // namespace cli
