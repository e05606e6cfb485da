#pragma once
// The station file: one scrambled record per line, "name ==> address", each followed by an empty line.
// Readers end a line at CR LF or at a lone CR; a lone LF stays inside the line.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace common {

struct Station {
    QString name;
    QString address;
    bool operator==(const Station &other) const { return name == other.name && address == other.address; }
};
using StationList = QList<Station>;

// Largest station file we read; a larger file is refused as damaged rather than read into memory.
constexpr qint64 kMaxStationFileBytes = 256LL * 1024 * 1024;

// The reading rules applied to one decoded record: nothing for blank text, for a split at "==>" that
// does not give exactly two pieces, or for a piece that is empty or exactly "0"; otherwise the trimmed
// name and address.
std::optional<Station> StationFromRecord(const QString &decodedRecord);

// Splits file content into lines at CR LF or lone CR (a trailing line end adds no empty line).
QStringList SplitStationLines(const QByteArray &content);

// Every accepted station of file content, in file order.
StationList ParseStationFile(const QByteArray &content);

// Reads the station file at path. Returns nothing when the file does not exist; throws RuntimeError
// when it exists but cannot be read or is larger than kMaxStationFileBytes.
std::optional<StationList> ReadStationFile(const QString &path);

// The file content a writer produces: EncodeLine(name + " ==> " + address) + CR LF + CR LF per station.
QByteArray FormatStationFile(const StationList &stations);

// Writes the station file atomically: a temporary file in the same folder, flushed to disk, then
// renamed over the old one, so an interrupted write leaves the old list whole. Throws RuntimeError
// on failure, leaving the old file as it was.
void WriteStationFile(const QString &path, const StationList &stations);

} // namespace common
