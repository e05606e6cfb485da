// The community radio directory's answer as a search reads it: either one message, or stations whose
// every text is one bounded line and whose address is an http or https URL, each of which a station
// file holds and gives back as it was written.

#include "common/one-line.h"
#include "common/station-file.h"
#include "directory/directory-station.h"
#include "tests/fuzz/fuzz-input.h"

#include <QUrl>

namespace {

bool IsCleanLine(const QString &text, qsizetype maxLength) {
    return text.size() <= maxLength && !common::HasControlCharacter(text) && text == text.trimmed();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const directory::SearchResult result = directory::ParseDirectoryStations(fuzz::InputBytes(data, size));
    fuzz::Require(result.error.isEmpty() || result.stations.isEmpty(),
                  "an unreadable answer gives no stations");
    if (!result.error.isEmpty()) {
        fuzz::Require(result.error.startsWith(QLatin1String("The directory's answer could not be read: ")),
                      "an unreadable answer gives its message");
        return 0;
    }
    common::StationList stations;
    for (const directory::DirectoryStation &station : result.stations) {
        fuzz::Require(!station.name.isEmpty() && IsCleanLine(station.name, directory::kMaxNameLength) &&
                          IsCleanLine(station.address, directory::kMaxAddressLength) &&
                          IsCleanLine(station.countryCode, directory::kMaxCodeLength) &&
                          IsCleanLine(station.codec, directory::kMaxCodeLength) && station.bitrate >= 0 &&
                          station.bitrate <= directory::kMaxBitrate &&
                          station.tags.size() <= directory::kMaxTags,
                      "every text of a station is one bounded line");
        for (const QString &tag : station.tags)
            fuzz::Require(!tag.isEmpty() && IsCleanLine(tag, directory::kMaxTagLength),
                          "every tag is one bounded line");
        const QString scheme = QUrl(station.address).scheme().toLower();
        fuzz::Require(scheme == QLatin1String("http") || scheme == QLatin1String("https"),
                      "every address is an http or https URL");
        stations.append(directory::ToStation(station));
    }
    fuzz::Require(common::ParseStationFile(common::FormatStationFile(stations)) == stations,
                  "the station file gives back every station found as it was written");
    return 0;
}
