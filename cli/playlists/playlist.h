#pragma once
// Playlists in and out of the station list: M3U (plain and extended), PLS, XSPF and ASX.

#include "common/station-file.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace cli {

enum class PlaylistFormat { M3u, Pls, Xspf, Asx };

// "m3u", "pls", "xspf" or "asx" in any letter case.
std::optional<PlaylistFormat> PlaylistFormatFromName(const QString &name);

// Larger playlists are refused rather than read: no radio playlist comes near this.
constexpr qint64 kMaxPlaylistBytes = 4 * 1024 * 1024;

// The stations of a playlist file, its format recognised by content, else by extension. Only entries
// whose address is a stream address (http, https, mms, mmsh, mmst, rtsp, rtmp, rtmps, a file URL or an
// absolute file path) are kept; an entry without a usable name is named after its address. Throws
// CliError for a missing, oversized, binary or malformed playlist.
common::StationList ReadPlaylistFile(const QString &path);

// The same for a playlist's content already read; name stands for the file in messages and gives the
// extension.
common::StationList ParsePlaylist(const QByteArray &content, const QString &name);

// The playlist in UTF-8 with "\n" line ends.
QByteArray FormatPlaylist(const common::StationList &stations, PlaylistFormat format);

} // namespace cli
