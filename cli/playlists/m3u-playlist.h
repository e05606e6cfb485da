#pragma once
// M3U playlists: one address per line, optionally headed by "#EXTM3U" with "#EXTINF:length,title" before
// each address.

#include "common/station-file.h"

#include <QByteArray>
#include <QString>

namespace cli {

// Entries in order; the name is the #EXTINF title before the address, or empty.
common::StationList ParseM3u(const QString &text);

QByteArray FormatM3u(const common::StationList &stations);

} // namespace cli
