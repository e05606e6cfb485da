#pragma once
// "Artist - Title", as most stations send their song titles, split for the places that want the two
// apart (the desktop's media controls).

#include <QString>

namespace now_playing {

struct ArtistTitle {
    QString artist; // empty when the text names none
    QString title;
};

// Split at the first " - "; without one, all of it is the title.
ArtistTitle SplitArtistTitle(const QString &streamTitle);

} // namespace now_playing
