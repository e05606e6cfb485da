#include "cli/playlists/xspf-playlist.h"

#include "cli/command-line.h"
#include "cli/playlists/playlist-xml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace cli {

namespace {

const QString kNamespace = QStringLiteral("http://xspf.org/ns/0/");

CliError XspfError(const QString &problem) {
    return BadInput(QStringLiteral("is not a valid XSPF playlist: %1").arg(problem));
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
    if (!ReadToRootWithoutDtd(xml))
        throw XspfError(QStringLiteral("document type declarations are refused"));
    if (!xml.hasError() && xml.name() != QLatin1String("playlist"))
        throw XspfError(QStringLiteral("the root element is <%1>, not <playlist>").arg(xml.name()));
    common::StationList entries;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("trackList"))
            ReadTrackList(xml, &entries);
        else
            xml.skipCurrentElement();
    }
    if (const QString error = ErrorAtEnd(xml); !error.isEmpty())
        throw XspfError(error);
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
