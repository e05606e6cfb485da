#pragma once
// The station line codec: each byte of a record becomes five decimal digits, two of a random number R
// (10–99) and three of the byte mixed with R. Texts travel as UTF-8 bytes; a decoded record that is not
// valid UTF-8 is read as Windows-1252, so files of the old program read correctly.

#include <QByteArray>
#include <QString>
#include <functional>

namespace common {

// Supplies R for each group; must return a value from 10 to 99.
using RandomDigits = std::function<int()>;

// Scrambles bytes with the given source of R. Empty in, empty out; "0" when nextR gives a value outside
// 10–99, the one way a group could come out other than five digits long.
QString EncodeBytes(const QByteArray &bytes, const RandomDigits &nextR);
// Unscrambles one line (without its line end). Returns false for a damaged line (a parsed position
// that is not a digit, or a code outside 0–255). A line under three characters gives true and no bytes.
bool DecodeBytes(const QString &line, QByteArray *bytes);

// Encodes text as UTF-8 with R drawn from a generator seeded from the clock; "" for "".
QString EncodeLine(const QString &text);
// As EncodeLine with a chosen source of R (tests, reproducible output).
QString EncodeLineWith(const QString &text, const RandomDigits &nextR);
// Decodes a line to text: "" for a line under three characters, "0" for a damaged line.
QString DecodeLine(const QString &line);

// Text of a decoded record: UTF-8 when valid, otherwise Windows-1252.
QString TextFromRecordBytes(const QByteArray &bytes);

} // namespace common
