// Playlists through the importer: M3U, extended M3U, PLS and XSPF, recognised by content and, when
// the content does not tell, by the file's extension (chosen here by the input's length, so every
// format's reader sees inputs of every kind). The stations imported are written in each format and
// imported again: the same stations come back.

#include "cli/command-line.h"
#include "cli/playlists/playlist.h"
#include "tests/fuzz/fuzz-input.h"

namespace {

const char *const kExtensions[] = {"m3u", "pls", "xspf"};

QString FileName(cli::PlaylistFormat format) {
    return QStringLiteral("written.") + QLatin1String(kExtensions[static_cast<int>(format)]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = fuzz::WriteInputFile(QStringLiteral("input.") + QLatin1String(kExtensions[size % 3]),
                                              fuzz::InputBytes(data, size));
    common::StationList stations;
    try {
        stations = cli::ReadPlaylistFile(path);
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
    for (const auto format :
         {cli::PlaylistFormat::M3u, cli::PlaylistFormat::Pls, cli::PlaylistFormat::Xspf}) {
        const QString written = fuzz::WriteInputFile(FileName(format), cli::FormatPlaylist(stations, format));
        common::StationList again;
        try {
            again = cli::ReadPlaylistFile(written);
        } catch (const cli::CliError &) {
            fuzz::Require(false, "a playlist written from imported stations imports");
        }
        fuzz::Require(again == stations, "the stations written to a playlist import as the same stations");
    }
    return 0;
}
