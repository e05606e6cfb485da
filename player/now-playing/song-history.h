#pragma once
// The songs heard: the last titles the stations sent, newest first, with when and on which station,
// kept across runs in $XDG_DATA_HOME/Tunelark/history.tsv (one song a line: time, station, title,
// separated by tabs). The file is written whole and atomically; a damaged line is left out.

#include <QDateTime>
#include <QList>
#include <QString>

namespace now_playing {

struct Song {
    QDateTime time;
    QString station;
    QString title;
    bool operator==(const Song &other) const {
        return time == other.time && station == other.station && title == other.title;
    }
};

class SongHistory {
public:
    static constexpr qsizetype kMaxSongs = 100;
    // A file larger than this is read only up to here: 100 lines never come near it.
    static constexpr qint64 kMaxFileBytes = 1 << 20;

    // $XDG_DATA_HOME/Tunelark/history.tsv (~/.local/share when XDG_DATA_HOME is not set).
    static QString DefaultPath();

    explicit SongHistory(QString path = DefaultPath());

    // Reads the file: the songs of its readable lines, at most kMaxSongs. A missing file is an empty
    // history.
    void load();
    // Puts `song` first, unless it is the song first already (same station and title); the oldest
    // beyond kMaxSongs go. Saves the history; false when it could not be saved (it is kept in memory).
    bool add(const Song &song);

    const QList<Song> &songs() const { return m_songs; }

    // One song as a line of text to copy: local time, station and title, separated by tabs.
    static QString Line(const Song &song);

private:
    bool save() const;

    QString m_path;
    QList<Song> m_songs;
};

} // namespace now_playing
