#include "cli/playlists/playlist-xml.h"

namespace cli {

bool ReadToRootWithoutDtd(QXmlStreamReader &xml) {
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        if (xml.tokenType() == QXmlStreamReader::DTD)
            return false;
    }
    return true;
}

QString ErrorAtEnd(QXmlStreamReader &xml) {
    while (!xml.atEnd())
        xml.readNext();
    if (!xml.hasError())
        return QString();
    return QStringLiteral("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
}

} // namespace cli
