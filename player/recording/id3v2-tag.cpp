#include "player/recording/id3v2-tag.h"

namespace recording {

namespace {

constexpr char kUtf8 = 3;

// ID3v2.4 sizes: 28 bits, 7 in each byte, so no byte looks like the start of an MP3 frame.
QByteArray SyncSafe(qsizetype size) {
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, size >>= 7)
        bytes[i] = char(size & 0x7F);
    return bytes;
}

QByteArray Frame(const char *id, const QByteArray &content) {
    return QByteArray(id) + SyncSafe(content.size()) + QByteArray(2, '\0') + content;
}

} // namespace

QByteArray Id3v2Tag(const QString &title, const QString &artist, const QString &comment) {
    QByteArray frames;
    if (!title.isEmpty())
        frames += Frame("TIT2", kUtf8 + title.toUtf8());
    if (!artist.isEmpty())
        frames += Frame("TPE1", kUtf8 + artist.toUtf8());
    if (!comment.isEmpty())
        frames += Frame("COMM", kUtf8 + QByteArray("eng") + '\0' + comment.toUtf8());
    return QByteArray("ID3\x04\x00\x00", 6) + SyncSafe(frames.size()) + frames;
}

} // namespace recording
