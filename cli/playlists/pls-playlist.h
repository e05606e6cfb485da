#pragma once
// PLS playlists: an INI-like "[playlist]" section with FileN, TitleN and LengthN keys.

#include "common/station-file.h"

#include <QByteArray>
#include <QString>

namespace cli {

// Entries ordered by N; the name is TitleN, or empty. Keys match in any letter case; the first FileN and
// TitleN for a number win; keys of other sections and comment lines are ignored.
common::StationList ParsePls(const QString &text);

QByteArray FormatPls(const common::StationList &stations);

} // namespace cli
