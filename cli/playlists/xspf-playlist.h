#pragma once
// XSPF version 1 playlists: playlist/trackList/track with location and title.

#include "common/station-file.h"

#include <QByteArray>

namespace cli {

// Entries in track order: the first location of each track and its title (empty when absent). Elements
// match by local name. Throws CliError ("is not a valid XSPF playlist: …") for malformed XML, another
// root element, or a document type declaration, which is refused outright so no entity is expanded.
common::StationList ParseXspf(const QByteArray &content);

QByteArray FormatXspf(const common::StationList &stations);

} // namespace cli
