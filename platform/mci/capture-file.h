#pragma once
// The files a recording is captured into before it is saved: created in the user's cache folder,
// locked while their recording lives (so another copy of the program can tell them from the files
// a recording left when its program ended before "save"), and turned into a WAVE file in place.

#include "platform/mci/wave-format.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

namespace platform::mci {

// Where capture files are made: $XDG_CACHE_HOME/Tunelark (on disk, unlike /tmp on many systems),
// else the temporary folder.
QString CaptureFolder();

// A new, empty, locked capture file; its descriptor, or -1.
int CreateCaptureFile(QString *path);

// Writes the WAVE header for `bytes` of PCM at the start of the capture file `fd`: before recording,
// so that the file tells its format should the program end before it is saved, and on saving.
bool WriteCaptureHeader(int fd, const WaveFormat &format, std::int64_t bytes);

// Cuts the capture file `fd` to its header and `bytes` of PCM, writes the header for them and puts
// it at `path`: renamed there when `mayMove` and both are on one file system (then true in `moved`),
// else copied through a file that appears only once complete. False when it could not be saved.
bool SaveCaptureFile(int fd, const QString &capturePath, const WaveFormat &format, std::int64_t bytes,
                     const QString &path, bool mayMove, bool *moved);

// Capture files no recording holds any more, each saved as a WAVE file of whole frames of what
// reached the disk, at the path `target` names for the time its recording started, and removed from
// the capture folder. Files without a readable header stay as they are, files without sound are
// removed, and a file that cannot be saved stays for the next time. Returns the saved paths.
QStringList KeepInterruptedCaptures(const std::function<QString(const QDateTime &started)> &target);

} // namespace platform::mci
