#pragma once
// The ID3v2.4 tag at the start of an MP3 file of a per-song recording, so players show what the file is.

#include <QByteArray>
#include <QString>

namespace recording {

// A tag with the title (TIT2), the artist (TPE1) and a comment (COMM, language "eng"), as UTF-8; an
// empty text leaves its frame out.
QByteArray Id3v2Tag(const QString &title, const QString &artist, const QString &comment);

} // namespace recording
