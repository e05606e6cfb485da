#include "cli/station-file-access.h"

#include "cli/command-line.h"
#include "common/runtime-error.h"
#include "common/station-merge.h"

#include <QFile>
#include <algorithm>

namespace cli {

namespace {

std::optional<common::StationList> ReadOrFail(const QString &path) {
    try {
        return common::ReadStationFile(path);
    } catch (const common::RuntimeError &error) {
        throw BadInput(error.description()); // names the file and the reason
    }
}

bool IsStationFileByte(char byte) { return (byte >= '0' && byte <= '9') || byte == '\r' || byte == '\n'; }

void RequireStationFileContent(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BadInput(QStringLiteral("cannot read station file '%1': %2").arg(path, file.errorString()));
    constexpr qint64 kChunkBytes = 64 * 1024;
    for (QByteArray chunk = file.read(kChunkBytes); !chunk.isEmpty(); chunk = file.read(kChunkBytes)) {
        if (!std::all_of(chunk.cbegin(), chunk.cend(), IsStationFileByte))
            throw BadInput(QStringLiteral("'%1' is not a station file (it holds other characters than "
                                          "digits and line ends); it was left unchanged")
                               .arg(path));
    }
}

} // namespace

common::StationList LoadStationFile(const QString &path) {
    const auto stations = ReadOrFail(path);
    if (!stations)
        throw BadInput(QStringLiteral("station file '%1' does not exist").arg(path));
    return *stations;
}

common::StationList LoadStationFileForUpdate(const QString &path) {
    const auto stations = ReadOrFail(path);
    if (!stations)
        return {};
    RequireStationFileContent(path);
    return *stations;
}

void SaveStationFile(const QString &path, const common::StationList &stations) {
    try {
        common::WriteStationFile(path, stations);
    } catch (const common::RuntimeError &error) {
        throw BadInput(error.description());
    }
}

void MergeIntoStationFile(const QString &path, const common::StationList &incoming) {
    const common::MergeResult result = common::MergeStations(LoadStationFileForUpdate(path), incoming);
    if (result.added > 0)
        SaveStationFile(path, result.merged);
    WriteOut(QStringLiteral("%1 new station(s) added.\n").arg(result.added));
}

} // namespace cli
