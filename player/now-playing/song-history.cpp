#include "player/now-playing/song-history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace now_playing {

namespace {

// A field on one line that holds no tab: what separates the fields and the lines cannot be in one.
QString Field(const QString &text) {
    QString field = text;
    for (QChar &c : field)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return field;
}

} // namespace

QString SongHistory::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tunelark/history.tsv");
}

SongHistory::SongHistory(QString path) : m_path(std::move(path)) {}

void SongHistory::load() {
    m_songs.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.read(kMaxFileBytes);
    for (const QByteArray &line : content.split('\n')) {
        if (m_songs.size() >= kMaxSongs)
            break;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 3)
            continue;
        Song song{QDateTime::fromString(QString::fromLatin1(fields[0]), Qt::ISODate),
                  QString::fromUtf8(fields[1]).trimmed(), QString::fromUtf8(fields[2]).trimmed()};
        if (song.time.isValid() && !song.title.isEmpty())
            m_songs.append(song);
    }
}

bool SongHistory::add(const Song &song) {
    if (!m_songs.isEmpty() && m_songs.first().station == song.station && m_songs.first().title == song.title)
        return true;
    m_songs.prepend(song);
    if (m_songs.size() > kMaxSongs)
        m_songs.resize(kMaxSongs);
    return save();
}

bool SongHistory::save() const {
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QByteArray content;
    for (const Song &song : m_songs)
        content += (song.time.toString(Qt::ISODate) + u'\t' + Field(song.station) + u'\t' + Field(song.title))
                       .toUtf8() +
                   '\n';
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

QString SongHistory::Line(const Song &song) {
    return song.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u'\t' + Field(song.station) +
           u'\t' + Field(song.title);
}

} // namespace now_playing
