#pragma once
// Saves a stream's own bytes (never re-encoded) one file per song, "NN Artist - Title.ext" in its
// folder: a new file where the stream's title changes, so the files together hold exactly the stream's
// audio. The first song and the last one were cut off by the start and the end of the recording and
// are marked " (partial)". MP3 files start with an ID3v2 tag naming the song and the station. Bytes go
// straight to disk; the only ones held are those that come before the stream first names its song (at
// most one icy-metaint interval, kMaxMetaInterval).

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>

namespace recording {

class SongRecorder {
public:
    // Files go into `folder` (created when missing), numbered after the numbered files it holds.
    // `titled`: the stream names its songs, so the first file waits for the first metadata.
    SongRecorder(const QString &folder, const QString &station, const QString &extension, bool titled);
    ~SongRecorder();

    // Each of these returns an empty text, or why the recording cannot go on (the files so far stay).

    // The next audio bytes of the song now playing.
    QString write(QByteArrayView audio);
    // The stream's metadata came: `title` is the song it names, or nothing when it names none. A title
    // other than the current song's starts a new file.
    QString songNamed(const std::optional<QString> &title);
    // Closes the last file, marked " (partial)".
    QString finish();

    // The file being written (a full path) and its size so far; empty before the first one.
    QString currentFile() const { return m_file.fileName(); }
    qint64 currentSize() const { return m_file.isOpen() ? m_file.size() : 0; }
    // The files closed so far, full paths.
    const QStringList &finishedFiles() const { return m_finished; }

private:
    QString open(const QString &title);
    QString close(bool partial);
    QString writeOut(QByteArrayView bytes);
    // What the current file is named after: its title, else the station.
    QString song() const;

    QString m_folder;
    QString m_station;
    QString m_extension;
    int m_nextNumber = 1;
    int m_number = 0;
    QString m_title;
    bool m_markedPartial = false; // the current file's name says " (partial)" already
    bool m_waitingForTitle;
    QByteArray m_beforeTitle;
    QFile m_file;
    QStringList m_finished;
    QString m_failure; // once set, the recording is over
};

} // namespace recording
