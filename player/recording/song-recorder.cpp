#include "player/recording/song-recorder.h"

#include "player/now-playing/artist-title.h"
#include "player/recording/icy-reader.h"
#include "player/recording/id3v2-tag.h"
#include "player/recording/song-file-name.h"

#include <QDir>

namespace recording {

namespace {

// The highest "NN " a file of `folder` starts with, so a second recording on the same day goes on
// counting instead of replacing the first one's files.
int HighestNumberIn(const QDir &folder) {
    int highest = 0;
    for (const QString &name : folder.entryList(QDir::Files)) {
        qsizetype digits = 0;
        while (digits < name.size() && digits < 6 && name.at(digits).isDigit())
            ++digits;
        if (digits > 0 && digits < name.size() && name.at(digits) == u' ')
            highest = std::max(highest, name.left(digits).toInt());
    }
    return highest;
}

} // namespace

SongRecorder::SongRecorder(const QString &folder, const QString &station, const QString &extension,
                           bool titled)
    : m_folder(folder), m_station(station), m_extension(extension), m_waitingForTitle(titled) {
    QDir().mkpath(folder);
    m_nextNumber = HighestNumberIn(QDir(folder)) + 1;
}

SongRecorder::~SongRecorder() { finish(); }

QString SongRecorder::write(QByteArrayView audio) {
    if (!m_failure.isEmpty())
        return m_failure;
    // A title comes every icy-metaint bytes; more without one (a stream that broke off and came back
    // before naming its song) is not held any longer: it goes into a file named after the station.
    if (m_waitingForTitle && m_beforeTitle.size() + audio.size() <= kMaxMetaInterval) {
        m_beforeTitle += audio;
        return QString();
    }
    if (m_waitingForTitle) {
        if (const QString error = songNamed(std::nullopt); !error.isEmpty())
            return error;
    }
    if (!m_file.isOpen()) {
        if (const QString error = open(QString()); !error.isEmpty())
            return error;
    }
    return writeOut(audio);
}

QString SongRecorder::songNamed(const std::optional<QString> &title) {
    if (!m_failure.isEmpty())
        return m_failure;
    if (m_waitingForTitle) {
        m_waitingForTitle = false;
        if (const QString error = open(title.value_or(QString())); !error.isEmpty())
            return error;
        const QByteArray held = std::exchange(m_beforeTitle, QByteArray());
        return writeOut(held);
    }
    if (!title || *title == m_title)
        return QString();
    if (const QString error = close(false); !error.isEmpty())
        return error;
    return open(*title);
}

QString SongRecorder::finish() {
    if (m_waitingForTitle) {
        m_waitingForTitle = false;
        if (m_beforeTitle.isEmpty())
            return QString();
        if (const QString error = open(QString()); !error.isEmpty())
            return error;
        if (const QString error = writeOut(std::exchange(m_beforeTitle, QByteArray())); !error.isEmpty())
            return error;
    }
    return close(true);
}

QString SongRecorder::open(const QString &title) {
    m_title = title;
    m_number = m_nextNumber++;
    // The recording began in the middle of the first song.
    m_markedPartial = m_finished.isEmpty();
    m_file.setFileName(QDir(m_folder).filePath(SongFileName(m_number, song(), m_markedPartial, m_extension)));
    // Unbuffered: a full disk is known at the write that meets it.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_failure =
            QStringLiteral("The file %1 cannot be created: %2").arg(m_file.fileName(), m_file.errorString());
        m_file.setFileName(QString());
        return m_failure;
    }
    if (m_extension != QLatin1String("mp3"))
        return QString();
    const now_playing::ArtistTitle parts = now_playing::SplitArtistTitle(title);
    return writeOut(Id3v2Tag(parts.title, parts.artist, m_station));
}

QString SongRecorder::close(bool partial) {
    if (!m_file.isOpen())
        return QString();
    const QString path = m_file.fileName();
    m_file.close();
    m_file.setFileName(QString());
    if (!partial || m_markedPartial) {
        m_finished.append(path);
        return QString();
    }
    const QString partialPath = QDir(m_folder).filePath(SongFileName(m_number, song(), true, m_extension));
    QFile::remove(partialPath);
    const bool renamed = QFile::rename(path, partialPath);
    m_finished.append(renamed ? partialPath : path);
    return renamed ? QString()
                   : QStringLiteral("The file %1 cannot be renamed to %2.").arg(path, partialPath);
}

QString SongRecorder::song() const { return m_title.isEmpty() ? m_station : m_title; }

QString SongRecorder::writeOut(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    if (m_file.write(bytes.data(), bytes.size()) == bytes.size())
        return QString();
    m_failure = QStringLiteral("Writing %1 failed: %2").arg(m_file.fileName(), m_file.errorString());
    close(true);
    return m_failure;
}

} // namespace recording
