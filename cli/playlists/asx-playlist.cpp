#include "cli/playlists/asx-playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/playlist-xml.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace cli {

namespace {

CliError AsxError(const QString &problem) {
    return BadInput(QStringLiteral("is not a valid ASX playlist: %1").arg(problem));
}

bool Is(QStringView name, QLatin1String expected) { return name.compare(expected, Qt::CaseInsensitive) == 0; }

// Escapes each "&" that starts no character or entity reference. The lookahead is bounded, so the
// scan stays linear.
QString WithBareAmpersandsEscaped(const QString &text) {
    static const QRegularExpression bare(
        QStringLiteral("&(?!#[0-9]{1,8};|#[xX][0-9a-fA-F]{1,8};|[A-Za-z][A-Za-z0-9]{0,31};)"));
    return QString(text).replace(bare, QStringLiteral("&amp;"));
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

common::StationList ParseWellFormed(const QString &text) {
    QXmlStreamReader xml(text);
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

common::StationList ParseAsx(const QString &text) {
    try {
        return ParseWellFormed(text);
    } catch (const CliError &) {
        // Read as written first, so a "&" in a CDATA section stays one.
        const QString escaped = WithBareAmpersandsEscaped(text);
        if (escaped.size() == text.size())
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
