#pragma once
// The title a station sends with its stream (Shoutcast/Icecast "StreamTitle", Ogg comments, HLS
// metadata), made fit to show: it comes from the network.

#include <QString>

namespace platform::media {

// Longer titles are cut: no song needs more, and the ICY block they come in holds at most 4080 bytes.
constexpr qsizetype kMaxStreamTitleLength = 256;

// `raw` on one line: control characters become blanks, runs of blanks one blank, none at the ends;
// cut to kMaxStreamTitleLength characters.
QString CleanStreamTitle(const QString &raw);

// The title to show from libVLC's metadata: "now playing" when the stream sends it, else "artist -
// title" when the stream names an artist (Ogg and Opus comments), else nothing. A stream's title
// alone is left out, since libVLC fills it with the station's name or the address.
QString StreamTitleFromMeta(const QString &nowPlaying, const QString &artist, const QString &title);

} // namespace platform::media
