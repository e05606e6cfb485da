#pragma once
// The test Icecast server's admin interface (scripts/services/icecast.sh exports its address), used
// the way a station's playout and its operator use it.

#include <QString>

// Sets the stream's song title to `song`. Empty text when the server took it, else what went wrong.
QString SetIcecastTitle(const QString &song);

// Drops every listener of the stream, as a failing network would; the stream itself goes on.
// Empty text when the server did it, else what went wrong.
QString DropIcecastListeners();

#include <QProcess>

// A source of the test's own on `mount` of the test server, fed a tone by ffmpeg as the shared stream
// is: stopping it takes the station off the air for its listeners, starting it again brings it back.
class IcecastSource {
public:
    explicit IcecastSource(QString mount);
    ~IcecastSource();
    // Starts feeding and waits until the server lists the mount. Empty text, else what went wrong.
    QString start();
    // Stops feeding: the server drops the mount and its listeners.
    void stop();
    // The stream's address.
    QString url() const;

private:
    QString m_mount;
    QProcess m_ffmpeg;
};
