#pragma once
// Where the published station list lives, and how long the update waits for it.

#include <QUrl>

namespace stations {

// The published station file. The environment variable TUNELARK_UPDATE_URL replaces it (tests, and
// organisations that publish their own list).
QUrl UpdateUrl();

// How long the download may take: 30 seconds, or TUNELARK_UPDATE_TIMEOUT_MS when set.
int UpdateTimeLimitMs();

// The largest published file we accept.
constexpr qint64 kMaxUpdateBytes = 4 * 1024 * 1024;

// The page text as stored in Update.dll: the three markup pieces a browser wraps a plain-text file
// in are removed, and a line end follows.
QByteArray UpdateFileContent(QString pageText);

} // namespace stations
