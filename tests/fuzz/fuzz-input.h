#pragma once
// What the fuzz targets share: the libFuzzer entry point they define, a failed property check that
// aborts (so libFuzzer and the replay both report it), and files for parsers that read a path.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace fuzz {

// The input as bytes (a view: valid during the call only).
QByteArray InputBytes(const std::uint8_t *data, std::size_t size);

// Aborts with `what` on stderr when `holds` is false.
void Require(bool holds, const char *what);

// Writes `bytes` to `name` in this process's private folder (in memory under /dev/shm when there is
// one; created on first use and removed at exit) and returns its path.
QString WriteInputFile(const QString &name, const QByteArray &bytes);

} // namespace fuzz
