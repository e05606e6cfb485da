#include "cli/playlists/asx-playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/playlist-xml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace cli {

namespace {

CliError AsxError(const QString &problem) {
    return BadInput(QStringLiteral("is not a valid ASX playlist: %1").arg(problem));
}

bool Is(QStringView name, QLatin1String expected) { return name.compare(expected, Qt::CaseInsensitive) == 0; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether a character or entity reference ("&amp;", "&#38;", "&#x26;") starts at position at.
bool StartsReference(const QByteArray &content, qsizetype at) {
    // No reference of XML's own entities or of a character comes near this length; looking no further
    // keeps the scan linear.
    constexpr qsizetype kLongestReference = 12;
    const qsizetype end = std::min(content.size(), at + kLongestReference);
    qsizetype i = at + 1;
    bool (*isNamePart)(char) = [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); };
    if (i < end && content[i] == '#') {
        ++i;
        isNamePart = IsAsciiDigit;
        if (i < end && (content[i] == 'x' || content[i] == 'X')) {
            ++i;
            isNamePart = IsHexDigit;
        }
    } else if (i >= end || !IsAsciiLetter(content[i])) {
        return false;
    }
    const qsizetype first = i;
    while (i < end && isNamePart(content[i]))
        ++i;
    return i > first && i < end && content[i] == ';';
}

QByteArray WithBareAmpersandsEscaped(const QByteArray &content) {
    QByteArray escaped;
    escaped.reserve(content.size());
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] == '&' && !StartsReference(content, i))
            escaped += "&amp;";
        else
            escaped += content[i];
    }
    return escaped;
}

QString HrefOf(const QXmlStreamReader &xml) {
    for (const QXmlStreamAttribute &attribute : xml.attributes()) {
        if (Is(attribute.name(), QLatin1String("href")))
            return attribute.value().toString();
    }
    return QString();
}

common::Station ReadEntry(QXmlStreamReader &xml) {
    common::Station entry;
    bool hasTitle = false;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (Is(name, QLatin1String("title")) && !hasTitle) {
            hasTitle = true;
            entry.name = xml.readElementText(QXmlStreamReader::SkipChildElements);
            continue;
        }
        if (Is(name, QLatin1String("ref")) && entry.address.isEmpty())
            entry.address = HrefOf(xml);
        xml.skipCurrentElement();
    }
    return entry;
}

common::StationList ParseWellFormed(const QByteArray &content) {
    QXmlStreamReader xml(content);
    if (!ReadToRootWithoutDtd(xml))
        throw AsxError(QStringLiteral("document type declarations are refused"));
    if (!xml.hasError() && !Is(xml.name(), QLatin1String("asx")))
        throw AsxError(QStringLiteral("the root element is <%1>, not <asx>").arg(xml.name()));
    // One flat pass: entries are found at any depth without a recursion that deep nesting could exhaust.
    common::StationList entries;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && Is(xml.name(), QLatin1String("entry")))
            entries.append(ReadEntry(xml));
    }
    if (const QString error = ErrorAtEnd(xml); !error.isEmpty())
        throw AsxError(error);
    return entries;
}

} // namespace

common::StationList ParseAsx(const QByteArray &content) {
    try {
        return ParseWellFormed(content);
    } catch (const CliError &) {
        // Read as written first, so a "&" in a CDATA section stays one.
        const QByteArray escaped = WithBareAmpersandsEscaped(content);
        if (escaped.size() == content.size())
            throw;
        return ParseWellFormed(escaped);
    }
}

QByteArray FormatAsx(const common::StationList &stations) {
    QByteArray content;
    QXmlStreamWriter xml(&content);
    xml.setAutoFormatting(true);
    // Declared, since readers of ASX otherwise guess the encoding.
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("asx"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("3.0"));
    for (const common::Station &station : stations) {
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeTextElement(QStringLiteral("title"), OnOneLine(station.name));
        xml.writeEmptyElement(QStringLiteral("ref"));
        xml.writeAttribute(QStringLiteral("href"), OnOneLine(station.address));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return content;
}

} // namespace cli
