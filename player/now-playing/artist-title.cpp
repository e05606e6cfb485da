#include "player/now-playing/artist-title.h"

namespace now_playing {

ArtistTitle SplitArtistTitle(const QString &streamTitle) {
    static const QString separator = QStringLiteral(" - ");
    const qsizetype at = streamTitle.indexOf(separator);
    if (at < 0)
        return {QString(), streamTitle.trimmed()};
    const QString artist = streamTitle.left(at).trimmed();
    const QString title = streamTitle.mid(at + separator.size()).trimmed();
    // " - Title" or "Artist - " names one part only: show what there is as the title.
    if (artist.isEmpty() || title.isEmpty())
        return {QString(), streamTitle.trimmed()};
    return {artist, title};
}

} // namespace now_playing
