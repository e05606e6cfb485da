#pragma once
// Recording a station itself, one file per song: its stream is read over a connection of its own
// (asking for the song titles), split where the title changes and saved as the station sends it into
// "Recorded_<station>_<ddmmyy>" in the recording folder. A dropped connection is tried again as
// playback does (now_playing::ReconnectPolicy), going on with the current file.
//
// Threads: the thread that makes it (the window's, or the tool's); everything comes through its event
// loop.

#include "platform/http/response-head.h"
#include "player/now-playing/reconnect-policy.h"
#include "player/recording/icy-reader.h"
#include "player/recording/song-recorder.h"

#include <QDate>
#include <QObject>
#include <QUrl>
#include <memory>

namespace platform::http {
class StreamReader;
}

namespace recording {

class SongRecording : public QObject {
    Q_OBJECT
public:
    // Starts at once. `station` names the folder and goes into the files' tags; when it is empty the
    // name the station gives itself (icy-name) is taken, else the address's host.
    SongRecording(const QUrl &address, const QString &recordingFolder, const QString &station,
                  QObject *parent = nullptr);
    ~SongRecording() override;

    // Ends the recording: the last file is closed and marked partial, then `finished` comes.
    void stop();

    // The file being written and its size so far; empty before the first one.
    QString currentFile() const;
    qint64 currentSize() const;
    // The folder the files go to; empty until the station has answered.
    QString folder() const { return m_folder; }

    // For tests: the date that names the folder.
    void setDate(const QDate &date) { m_date = date; }

signals:
    // A song's file is complete (its full path).
    void fileFinished(const QString &path);
    // Once, as the last signal: empty `error` after stop(), else why the recording ended.
    void finished(const QString &error);

private:
    void connectToStation();
    void started(const platform::http::ResponseHead &head);
    void received(const QByteArray &bytes);
    void dropped(const QString &reason);
    void end(const QString &error);
    void announceFinishedFiles();

    QUrl m_address;
    QString m_recordingFolder;
    QString m_station;
    QString m_folder;
    QDate m_date;
    platform::http::StreamReader *m_reader = nullptr;
    std::unique_ptr<IcyReader> m_icy;
    std::unique_ptr<SongRecorder> m_recorder;
    now_playing::ReconnectPolicy m_reconnect;
    qsizetype m_announced = 0;
    bool m_ended = false;
};

} // namespace recording
