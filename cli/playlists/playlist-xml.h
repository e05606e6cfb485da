#pragma once
// What the XML playlist formats share: no document type declaration (so no entity is ever expanded) and
// a document that must be well-formed to its end.

#include <QString>
#include <QXmlStreamReader>

namespace cli {

// Moves to the root element. False when a document type declaration comes before it.
bool ReadToRootWithoutDtd(QXmlStreamReader &xml);

// Reads on to the end of the document; the reader's error with its line, or empty text when there is none.
QString ErrorAtEnd(QXmlStreamReader &xml);

} // namespace cli
