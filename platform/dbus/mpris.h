#pragma once
// MPRIS 2 on the session bus (org.mpris.MediaPlayer2.tunelark): the desktop's media keys, sound menu
// and widgets see what plays and drive the player through it. The player says what changed through
// the setters (each change goes out as PropertiesChanged) and answers the desktop's requests through
// the hooks. Without a session bus nothing is registered and everything here does nothing.
//
// Threads: GUI thread; Qt D-Bus delivers the calls through the event loop.

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

namespace platform::dbus {

class Mpris : public QObject {
    Q_OBJECT
public:
    // What the desktop asks of the player.
    struct Hooks {
        std::function<void()> raise, quit, play, pause, playPause, stop, next, previous;
        // 0 to 100, as the player's volume bar.
        std::function<void(int)> setVolume;
    };

    static inline const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.tunelark");
    static inline const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");

    // Registers on the session bus when there is one; `desktopEntry` names the desktop file without
    // ".desktop".
    Mpris(Hooks hooks, const QString &desktopEntry, QObject *parent = nullptr);
    ~Mpris() override;

    // Whether the service is on the bus.
    bool registered() const { return m_registered; }

    // "Playing", "Paused" or "Stopped".
    void setPlaybackStatus(const QString &status);
    // The song (title and artist as the stream names them, either may be empty) on `station`;
    // `track` numbers the songs heard so the desktop tells them apart.
    void setMetadata(int track, const QString &title, const QString &artist, const QString &station);
    // 0 to 100.
    void setVolume(int volume);
    // Whether there is a station to go to with Next and Previous, and one to play.
    void setCanGo(bool canGo);

    // The current values, as the bus sees them (for the adaptors).
    QString playbackStatus() const { return m_status; }
    QVariantMap metadata() const { return m_metadata; }
    double volume() const { return m_volume / 100.0; }
    bool canGo() const { return m_canGo; }
    QString desktopEntry() const { return m_desktopEntry; }
    const Hooks &hooks() const { return m_hooks; }

private:
    // Sends PropertiesChanged of the player interface with `properties`.
    void changed(const QVariantMap &properties);

    Hooks m_hooks;
    QString m_desktopEntry;
    QString m_status = QStringLiteral("Stopped");
    QVariantMap m_metadata;
    int m_volume = 100;
    bool m_canGo = false;
    bool m_registered = false;
};

} // namespace platform::dbus
