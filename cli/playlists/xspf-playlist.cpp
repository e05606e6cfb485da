#include "cli/playlists/xspf-playlist.h"

#include "cli/command-line.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace cli {

namespace {

const QString kNamespace = QStringLiteral("http://xspf.org/ns/0/");

CliError XspfError(const QString &problem) {
    return BadInput(QStringLiteral("is not a valid XSPF playlist: %1").arg(problem));
}

// Moves to the root element, refusing a document type declaration before it.
void ReadToRoot(QXmlStreamReader &xml) {
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        if (xml.tokenType() == QXmlStreamReader::DTD)
            throw XspfError(QStringLiteral("document type declarations are refused"));
    }
}

common::Station ReadTrack(QXmlStreamReader &xml) {
    common::Station entry;
    bool hasLocation = false;
    bool hasTitle = false;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("location") && !hasLocation) {
            hasLocation = true;
            entry.address = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (name == QLatin1String("title") && !hasTitle) {
            hasTitle = true;
            entry.name = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else {
            xml.skipCurrentElement();
        }
    }
    return entry;
}

void ReadTrackList(QXmlStreamReader &xml, common::StationList *entries) {
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("track"))
            entries->append(ReadTrack(xml));
        else
            xml.skipCurrentElement();
    }
}

} // namespace

common::StationList ParseXspf(const QByteArray &content) {
    QXmlStreamReader xml(content);
    ReadToRoot(xml);
    if (!xml.hasError() && xml.name() != QLatin1String("playlist"))
        throw XspfError(QStringLiteral("the root element is <%1>, not <playlist>").arg(xml.name()));
    common::StationList entries;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("trackList"))
            ReadTrackList(xml, &entries);
        else
            xml.skipCurrentElement();
    }
    // Reading on to the end checks that the rest of the document is well-formed too.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        throw XspfError(QStringLiteral("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber()));
    return entries;
}

QByteArray FormatXspf(const common::StationList &stations) {
    QByteArray content;
    QXmlStreamWriter xml(&content);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(kNamespace);
    xml.writeStartElement(kNamespace, QStringLiteral("playlist"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    xml.writeStartElement(kNamespace, QStringLiteral("trackList"));
    for (const common::Station &station : stations) {
        xml.writeStartElement(kNamespace, QStringLiteral("track"));
        xml.writeTextElement(kNamespace, QStringLiteral("location"), OnOneLine(station.address));
        xml.writeTextElement(kNamespace, QStringLiteral("title"), OnOneLine(station.name));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return content;
}

} // namespace cli
