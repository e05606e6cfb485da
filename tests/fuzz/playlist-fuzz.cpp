// Playlists through the importer: M3U, extended M3U, PLS, XSPF and ASX, recognised by content and, when
// the content does not tell, by the name's extension (chosen here by the input's length, so every
// format's reader sees inputs of every kind). The stations imported are written in one of the formats
// and imported again: the same stations come back.

#include "cli/command-line.h"
#include "cli/playlists/playlist.h"
#include "tests/fuzz/fuzz-input.h"

namespace {

const char *const kNames[] = {"input.m3u", "input.pls", "input.xspf", "input.asx"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    common::StationList stations;
    try {
        stations = cli::ParsePlaylist(fuzz::InputBytes(data, size), QLatin1String(kNames[size % 4]));
    } catch (const cli::CliError &) {
        return 0;
    }
    for (const common::Station &station : std::as_const(stations))
        fuzz::Require(!station.name.isEmpty() && !station.address.isEmpty() &&
                          !station.name.contains(QLatin1String("==>")) &&
                          !cli::HasControlCharacter(station.name),
                      "every station imported can be a line of the station file");
    if (stations.isEmpty())
        return 0;
    // One format a run (from the length too, apart from the name's choice) keeps a run to two parses.
    const auto format = static_cast<cli::PlaylistFormat>(size / 4 % 4);
    common::StationList again;
    try {
        again = cli::ParsePlaylist(cli::FormatPlaylist(stations, format), QStringLiteral("written"));
    } catch (const cli::CliError &) {
        fuzz::Require(false, "a playlist written from imported stations imports");
    }
    fuzz::Require(again == stations, "the stations written to a playlist import as the same stations");
    return 0;
}
