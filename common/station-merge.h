#pragma once
// One merge routine for the online update and for importing playlists.

#include "common/station-file.h"

namespace common {

// Merges downloaded or imported stations into a list: the current stations in their order, then each
// incoming station whose trimmed address (letter case counts) is not the address of any current
// station, trimmed, in incoming order. Two incoming stations with the same new address are both added.
struct MergeResult {
    StationList merged;
    int added = 0;
};
MergeResult MergeStations(const StationList &current, const StationList &incoming);

} // namespace common
