#include "cli/stations-command.h"

#include "cli/playlists/playlist.h"
#include "cli/station-file-access.h"
#include "cli/station-search-command.h"
#include "common/station-codec.h"

namespace cli {

namespace {

const QString kRecordSeparator = QStringLiteral("==>");

// Prints a result followed by a line end; an empty result prints nothing.
void WriteResult(const QString &text) {
    if (!text.isEmpty())
        WriteOut(text + u'\n');
}

// A name or address that readers would drop or split is refused before it reaches the file.
QString CheckedField(const QString &what, const QString &value) {
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        throw BadInput(QStringLiteral("the %1 is empty").arg(what));
    if (trimmed == QLatin1String("0"))
        throw BadInput(QStringLiteral("the %1 must not be \"0\"").arg(what));
    if (trimmed.contains(kRecordSeparator))
        throw BadInput(QStringLiteral("the %1 must not contain \"==>\"").arg(what));
    if (HasControlCharacter(trimmed))
        throw BadInput(
            QStringLiteral("the %1 must not contain a line break or other control character").arg(what));
    return trimmed;
}

int List(const ParsedCommand &command) {
    for (const common::Station &station : LoadStationFile(command.positional[0]))
        WriteOut(QStringLiteral("%1\t%2\n").arg(OnOneLine(station.name), OnOneLine(station.address)));
    return kExitOk;
}

int EncodeLine(const ParsedCommand &command) {
    WriteResult(common::EncodeLine(command.positional[0]));
    return kExitOk;
}

int DecodeLine(const ParsedCommand &command) {
    WriteResult(common::DecodeLine(command.positional[0]));
    return kExitOk;
}

int Add(const ParsedCommand &command) {
    const QString &path = command.positional[0];
    const common::Station station{CheckedField(QStringLiteral("name"), command.positional[1]),
                                  CheckedField(QStringLiteral("address"), command.positional[2])};
    common::StationList stations = LoadStationFileForUpdate(path);
    stations.append(station);
    SaveStationFile(path, stations);
    return kExitOk;
}

int Export(const ParsedCommand &command) {
    const auto format = PlaylistFormatFromName(command.value);
    if (!format)
        throw CliError{
            kExitUsage,
            QStringLiteral("unknown playlist format '%1'; use m3u, pls, xspf or asx").arg(command.value)};
    WriteOutBytes(FormatPlaylist(LoadStationFile(command.positional[0]), *format));
    return kExitOk;
}

int Import(const ParsedCommand &command) {
    MergeIntoStationFile(command.value, ReadPlaylistFile(command.positional[0]));
    return kExitOk;
}

} // namespace

CommandGroup StationsCommands() {
    return CommandGroup{
        QStringLiteral("stations"),
        QStringLiteral("Read, edit, import and export station files such as Player.dll; find stations."),
        {
            {QStringLiteral("list"), QStringLiteral("FILE"),
             QStringLiteral("Print the stations of FILE: name, tab, address."),
             QStringLiteral(
                 "Prints every station of the station FILE on a line of its own: the name, a tab,\n"
                 "then the address, in file order. Lines that cannot be read are left out, as the\n"
                 "player leaves them out. Fails when FILE does not exist.\n"),
             1, QString(), List},
            {QStringLiteral("encode-line"), QStringLiteral("TEXT"),
             QStringLiteral("Print the scrambled form of TEXT."),
             QStringLiteral("Prints TEXT scrambled as one line of a station file, followed by a line end;\n"
                            "an empty TEXT prints nothing. A station line reads \"name ==> address\".\n"
                            "Put \"--\" before a TEXT that starts with \"-\".\n"),
             1, QString(), EncodeLine},
            {QStringLiteral("decode-line"), QStringLiteral("LINE"),
             QStringLiteral("Print the plain text of one scrambled LINE."),
             QStringLiteral("Prints the plain text of one LINE of a station file, followed by a line end.\n"
                            "Prints \"0\" for a damaged line and nothing for a line of fewer than three\n"
                            "characters.\n"),
             1, QString(), DecodeLine},
            {QStringLiteral("add"), QStringLiteral("FILE NAME URL"),
             QStringLiteral("Append a station to FILE (created when absent)."),
             QStringLiteral(
                 "Appends the station NAME with the stream address URL to the station FILE and\n"
                 "rewrites the file in one step, so an interrupted write leaves the old list whole.\n"
                 "FILE is created when it does not exist. NAME and URL lose blanks at their ends;\n"
                 "they must not be empty, be exactly \"0\", or contain \"==>\", a line break or\n"
                 "another control character, since the station could not be read back. A FILE\n"
                 "that holds anything but digits and line ends is no station file and is left\n"
                 "alone.\n"),
             3, QString(), Add},
            {QStringLiteral("export"), QStringLiteral("FILE --format m3u|pls|xspf|asx"),
             QStringLiteral("Write the stations of FILE to stdout as a playlist."),
             QStringLiteral("Writes the stations of the station FILE to standard output as a playlist in\n"
                            "UTF-8: m3u (extended M3U), pls (PLS version 2), xspf (XSPF version 1) or\n"
                            "asx (ASX version 3).\n"),
             1, QStringLiteral("format"), Export},
            {QStringLiteral("import"), QStringLiteral("PLAYLIST --into FILE"),
             QStringLiteral("Add the new stations of a playlist to FILE."),
             QStringLiteral(
                 "Adds the stations of PLAYLIST (M3U, extended M3U, PLS, XSPF or ASX, recognised\n"
                 "by content, else by file extension) to the station FILE, after the stations\n"
                 "already there. A station whose address is already in FILE is left out (letter\n"
                 "case counts, blanks at the ends do not); entries of PLAYLIST that share a new\n"
                 "address all go in. Only entries whose address is a stream address are taken:\n"
                 "http, https, mms, mmsh, mmst, rtsp, rtmp, rtmps, file, or an absolute file path.\n"
                 "An entry without a name is named after its address. FILE is created when it\n"
                 "does not exist, and written, in one step, only when something was added.\n"
                 "Playlists larger than 4 MiB and XSPF or ASX files with a document type\n"
                 "declaration are refused. Prints the number of stations added.\n"),
             1, QStringLiteral("into"), Import},
            StationSearchSubcommand(),
        }};
}

} // namespace cli
