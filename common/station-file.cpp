#include "common/station-file.h"

#include "common/runtime-error.h"
#include "common/station-codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace common {

namespace {

const QLatin1String kSeparator("==>");
const QLatin1String kWrittenSeparator(" ==> ");
const QLatin1String kDamagedPiece("0");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// Calls onLine with each line of content. A line ends at CR LF or at a lone CR; a lone LF is part of it.
template <typename OnLine> void ForEachLine(const QByteArray &content, OnLine &&onLine) {
    const QByteArrayView view(content);
    qsizetype start = 0;
    while (start < view.size()) {
        const qsizetype end = content.indexOf('\r', start);
        if (end < 0) {
            onLine(view.sliced(start));
            return;
        }
        onLine(view.sliced(start, end - start));
        start = end + 1;
        if (start < view.size() && view[start] == '\n')
            ++start;
    }
}

// A record line and the empty line that follows it, as a writer puts them in the file.
QByteArray WrittenLines(const Station &station) {
    return EncodeLine(station.name + kWrittenSeparator + station.address).toLatin1() + kLineEnd + kLineEnd;
}

RuntimeError FileError(int number, const QString &action, const QString &path, const QString &reason) {
    return RuntimeError(number,
                        QStringLiteral("%1: cannot %2 the station file \"%3\" (%4)")
                            .arg(ErrorDescription(number), action, QDir::toNativeSeparators(path), reason),
                        QStringLiteral("StationFile"));
}

int ReadOpenErrorNumber(const QString &path) {
    const QFileInfo target(path);
    if (!target.exists())
        return ErrFileNotFound;
    return target.isReadable() ? ErrPathFileAccess : ErrPermissionDenied;
}

int WriteOpenErrorNumber(const QString &path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return ErrPathNotFound;
    if (!target.isDir() && !folder.isWritable())
        return ErrPermissionDenied;
    return ErrPathFileAccess;
}

int TransferErrorNumber(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ResourceError:
        return ErrDiskFull;
    case QFileDevice::RenameError:
        return ErrPathFileAccess;
    default:
        return ErrDeviceIO;
    }
}

} // namespace

std::optional<Station> StationFromRecord(const QString &decodedRecord) {
    // Blank text and damaged lines ("0") hold no separator, so they fail the split.
    const QStringList pieces = decodedRecord.split(kSeparator);
    if (pieces.size() != 2)
        return std::nullopt;
    for (const QString &piece : pieces)
        if (piece.isEmpty() || piece == kDamagedPiece)
            return std::nullopt;
    return Station{pieces[0].trimmed(), pieces[1].trimmed()};
}

QStringList SplitStationLines(const QByteArray &content) {
    QStringList lines;
    // Latin-1 keeps every byte as one character, so a byte that is not a digit stays one for the decoder.
    ForEachLine(content, [&lines](QByteArrayView line) { lines.append(QString::fromLatin1(line)); });
    return lines;
}

StationList ParseStationFile(const QByteArray &content) {
    StationList stations;
    ForEachLine(content, [&stations](QByteArrayView line) {
        if (std::optional<Station> station = StationFromRecord(DecodeLine(QString::fromLatin1(line))))
            stations.append(*station);
    });
    return stations;
}

std::optional<StationList> ReadStationFile(const QString &path) {
    const QString action = QStringLiteral("read");
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    // Folders, pipes and devices are refused before opening: a pipe would block, a device never end.
    if (!info.isFile())
        throw FileError(ErrPathFileAccess, action, path,
                        info.isDir() ? QStringLiteral("it is a folder")
                                     : QStringLiteral("not a regular file"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(ReadOpenErrorNumber(path), action, path, file.errorString());
    const qint64 size = file.size();
    if (size > kMaxStationFileBytes)
        throw FileError(ErrPathFileAccess, action, path,
                        QStringLiteral("%1 bytes long; a station file may hold at most %2 bytes")
                            .arg(size)
                            .arg(kMaxStationFileBytes));
    // Reading no more than the size checked above bounds the memory even if the file grows meanwhile.
    const QByteArray content = file.read(size);
    if (file.error() != QFileDevice::NoError)
        throw FileError(ErrDeviceIO, action, path, file.errorString());
    return ParseStationFile(content);
}

QByteArray FormatStationFile(const StationList &stations) {
    QByteArray content;
    for (const Station &station : stations)
        content += WrittenLines(station);
    return content;
}

void WriteStationFile(const QString &path, const StationList &stations) {
    const QString action = QStringLiteral("write");
    // QSaveFile writes a temporary file beside the target, syncs it to disk and renames it over the
    // target on commit; when it is destroyed uncommitted, the temporary file goes and the target stays.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(WriteOpenErrorNumber(path), action, path, file.errorString());
    for (const Station &station : stations) {
        const QByteArray lines = WrittenLines(station);
        if (file.write(lines) != lines.size())
            throw FileError(TransferErrorNumber(file.error()), action, path, file.errorString());
    }
    if (!file.commit())
        throw FileError(TransferErrorNumber(file.error()), action, path, file.errorString());
}

} // namespace common
