#include "cli/station-search-command.h"

#include "cli/station-file-access.h"
#include "directory/directory-search.h"

#include <QDir>
#include <QEventLoop>
#include <algorithm>

namespace cli {

namespace {

constexpr int kMaxLimit = 10000;

// The file of a program folder that holds its station list.
const QString kStationFileName = QStringLiteral("Player.dll");

CliError UsageError(const QString &problem) { return CliError{kExitUsage, problem}; }

directory::DirectoryQuery QueryOf(const ParsedCommand &command) {
    directory::DirectoryQuery query;
    query.name = command.positional[0].trimmed();
    query.tag = command.options.value(QStringLiteral("tag")).trimmed();
    query.countryCode = command.options.value(QStringLiteral("country")).trimmed();
    const bool twoLetters = query.countryCode.size() == 2 &&
                            std::all_of(query.countryCode.cbegin(), query.countryCode.cend(),
                                        [](QChar c) { return c.isLetter() && c.unicode() < 0x80; });
    if (!query.countryCode.isEmpty() && !twoLetters)
        throw UsageError(QStringLiteral("--country takes a two-letter country code such as IN, not '%1'.")
                             .arg(query.countryCode));
    if (command.options.contains(QStringLiteral("limit"))) {
        bool number = false;
        query.limit = command.options.value(QStringLiteral("limit")).toInt(&number);
        if (!number || query.limit < 1 || query.limit > kMaxLimit)
            throw UsageError(QStringLiteral("--limit takes a whole number from 1 to %1.").arg(kMaxLimit));
    }
    return query;
}

// Waits for the search, the event loop running meanwhile.
directory::SearchResult Search(const directory::DirectoryQuery &query) {
    directory::SearchResult result;
    QEventLoop loop;
    const directory::DirectorySearch search(query);
    QObject::connect(&search, &directory::DirectorySearch::finished, &loop,
                     [&](const directory::SearchResult &found) {
                         result = found;
                         loop.quit();
                     });
    loop.exec();
    return result;
}

int SearchStations(const ParsedCommand &command) {
    const directory::DirectoryQuery query = QueryOf(command);
    const directory::SearchResult result = Search(query);
    if (!result.error.isEmpty())
        throw BadInput(result.error);
    if (command.options.contains(QStringLiteral("add"))) {
        const QString folder = command.options.value(QStringLiteral("add"));
        MergeIntoStationFile(QDir(folder).filePath(kStationFileName), directory::ToStations(result.stations));
        return kExitOk;
    }
    for (const directory::DirectoryStation &station : result.stations)
        WriteOut(QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                     .arg(station.name, station.address, station.countryCode, station.codec)
                     .arg(station.bitrate));
    return kExitOk;
}

} // namespace

Subcommand StationSearchSubcommand() {
    return Subcommand{
        QStringLiteral("search"),
        QStringLiteral("TEXT [--tag T] [--country CC] [--limit N] [--add FOLDER]"),
        QStringLiteral("Find stations in the community radio directory."),
        QStringLiteral("Searches the community radio directory (radio-browser.info) for stations whose name\n"
                       "contains TEXT (\"\" for any name), with the tag T (a genre such as jazz) and in the\n"
                       "country CC (two letters, such as IN), and prints at most N of them (default 100,\n"
                       "at most 10000), the most listened first, one a line: name, address, country code,\n"
                       "codec and bitrate in kbit/s (0 when unknown), separated by tabs. Stations the\n"
                       "directory found broken are left out.\n"
                       "With --add FOLDER, the stations found are added to the station list of the program\n"
                       "FOLDER (its Player.dll, created when absent) instead, as \"import\" adds them: a\n"
                       "station whose address is already in the list is left out, and so is a second entry\n"
                       "with the same address. Prints the number of stations added.\n"
                       "The directory's servers are tried one after another until one answers, each within\n"
                       "30 seconds; answers larger than 4 MiB are refused. When none answers, or its answer\n"
                       "cannot be read, the command fails and writes nothing. TUNELARK_DIRECTORY_URL names\n"
                       "other servers (base URLs separated by blanks or commas).\n"),
        1,
        QString(),
        SearchStations,
        false,
        {QStringLiteral("tag"), QStringLiteral("country"), QStringLiteral("limit"), QStringLiteral("add")}};
}

} // namespace cli
