#pragma once
// Which addresses the media player control may open. A station file, a playlist fetched from a
// server or a server's redirect may name any address libVLC understands, and libVLC also opens
// cameras, microphones, the screen and its own control items by address; only network streams and
// regular local files are let through. Reentrant: libVLC's threads check addresses too.

#include <QString>

namespace platform::media {

struct CheckedAddress {
    enum class Kind { Refused, Network, LocalFile };
    Kind kind = Kind::Refused;
    // For a local file: its absolute path, symbolic links resolved.
    QString localPath;
};

// Classifies `address`: a URL whose scheme is a network stream protocol (http, https, the MMS
// variants, RTSP, RTMP, RTP, UDP, FTP), a local regular file given as an absolute path or a file://
// URL, or anything else (refused). Devices, pipes and folders are refused even as files.
CheckedAddress CheckAddress(const QString &address);

} // namespace platform::media
