#pragma once
// ASX playlists (Windows Media): asx/entry with title and ref href. Element and attribute names match
// in any letter case, as the players that wrote these files read them.

#include "common/station-file.h"

#include <QByteArray>
#include <QString>

namespace cli {

// Entries in document order, wherever they stand under the root (also inside "repeat"): the first ref
// href of each entry and its title (empty when absent). Read from the playlist's text as decoded for
// every playlist, since ASX files of old often hold Windows-1252 without declaring it. A "&" that
// starts no character reference is taken as itself, since many ASX files carry bare "&" in their
// addresses. Throws CliError ("is not a valid ASX playlist: …") for malformed XML, another root
// element, or a document type declaration.
common::StationList ParseAsx(const QString &text);

QByteArray FormatAsx(const common::StationList &stations);

} // namespace cli
