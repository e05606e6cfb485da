#pragma once
// The song title of the test Icecast stream, changed the way a station's playout does it: through
// the server's admin interface (scripts/services/icecast.sh exports its address).

#include <QString>

// Sets the stream's title to `song`; an empty text when the server took it, else what went wrong.
QString SetIcecastTitle(const QString &song);
