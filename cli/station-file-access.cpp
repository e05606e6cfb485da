#include "cli/station-file-access.h"

#include "cli/command-line.h"
#include "common/runtime-error.h"
#include "common/station-merge.h"
#include "common/user-data.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace cli {

namespace {

template <typename Action> auto OrFail(Action &&action) {
    try {
        return action();
    } catch (const common::RuntimeError &error) {
        throw BadInput(error.description()); // names the file and the reason
    }
}

// The program folder whose station list `path` names: the tool's own, when `path` is its Player.dll.
std::optional<QString> OwnProgramFolder(const QString &path) {
    const QFileInfo file(path);
    const QString ownFolder = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    if (file.fileName() != QLatin1String("Player.dll") ||
        QFileInfo(file.absolutePath()).canonicalFilePath() != ownFolder)
        return std::nullopt;
    return ownFolder;
}

QString FileToRead(const QString &path) {
    const auto folder = OwnProgramFolder(path);
    return folder ? common::StationListPath(*folder) : path;
}

QString FileToChange(const QString &path) {
    const auto folder = OwnProgramFolder(path);
    return folder ? OrFail([&] { return common::StationListPathForChange(*folder); }) : path;
}

std::optional<common::StationList> ReadOrFail(const QString &path) {
    return OrFail([&] { return common::ReadStationFile(path); });
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
    const auto stations = ReadOrFail(FileToRead(path));
    if (!stations)
        throw BadInput(QStringLiteral("station file '%1' does not exist").arg(path));
    return *stations;
}

common::StationList LoadStationFileForUpdate(const QString &path) {
    const QString file = FileToRead(path);
    const auto stations = ReadOrFail(file);
    if (!stations)
        return {};
    RequireStationFileContent(file);
    return *stations;
}

void SaveStationFile(const QString &path, const common::StationList &stations) {
    const QString file = FileToChange(path);
    OrFail([&] { common::WriteStationFile(file, stations); });
}

void MergeIntoStationFile(const QString &path, const common::StationList &incoming) {
    const common::MergeResult result = common::MergeStations(LoadStationFileForUpdate(path), incoming);
    if (result.added > 0)
        SaveStationFile(path, result.merged);
    WriteOut(QStringLiteral("%1 new station(s) added.\n").arg(result.added));
}

} // namespace cli
