#include "common/station-merge.h"

#include <QSet>

namespace common {

MergeResult MergeStations(const StationList &current, const StationList &incoming) {
    QSet<QString> knownAddresses;
    for (const Station &station : current)
        knownAddresses.insert(station.address.trimmed());

    // Only the current list counts as known, so incoming stations that share a new address all go in.
    MergeResult result{current, 0};
    for (const Station &station : incoming) {
        const QString address = station.address.trimmed();
        if (knownAddresses.contains(address))
            continue;
        result.merged.append(Station{station.name.trimmed(), address});
        ++result.added;
    }
    return result;
}

} // namespace common
