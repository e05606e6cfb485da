#pragma once
// The names of a per-song recording: its folder "Recorded_<station>_<ddmmyy>" and its files
// "NN Artist - Title.ext", made from what a station sends, so made safe for any file system: no path
// separators or characters Windows refuses, no control characters, no leading dot, bounded in bytes.

#include <QByteArray>
#include <QDate>
#include <QString>

namespace recording {

// Every file name of a per-song recording fits in this many bytes of UTF-8 (file systems allow 255).
constexpr qsizetype kMaxSongFileNameBytes = 200;

inline const QString kPartialMark = QStringLiteral(" (partial)");

// `text` made fit for a file name, cut to `maxUtf8Bytes` without splitting a character; empty when
// nothing of it can be used.
QString SafeFileNamePart(const QString &text, qsizetype maxUtf8Bytes);

// "Recorded_<station>_<ddmmyy>".
QString SongFolderName(const QString &station, const QDate &date);

// "NN Song.ext" (NN from 01 on), " (partial)" before the extension when `partial`. The song part is cut
// so that the name fits kMaxSongFileNameBytes even when the mark is added later.
QString SongFileName(int number, const QString &song, bool partial, const QString &extension);

// The file extension for a stream's Content-Type ("audio/mpeg" → "mp3"); empty when the type is not
// sound, playlists included. A stream that names no type is taken as MP3, as the oldest servers send it.
QString ExtensionForContentType(const QByteArray &contentType);

} // namespace recording
