#include "platform/dbus/mpris.h"

#include "platform/dbus/mpris-adaptors.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace platform::dbus {

namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

} // namespace

Mpris::Mpris(Hooks hooks, const QString &desktopEntry, QObject *parent)
    : QObject(parent), m_hooks(std::move(hooks)), m_desktopEntry(desktopEntry) {
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // A second copy of the player cannot run, so the name is ours unless another program holds it.
    m_registered = bus.registerObject(kObjectPath, this) && bus.registerService(kServiceName);
    if (!m_registered)
        bus.unregisterObject(kObjectPath);
}

Mpris::~Mpris() {
    if (!m_registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(kServiceName);
    bus.unregisterObject(kObjectPath);
}

void Mpris::setPlaybackStatus(const QString &status) {
    if (status == m_status)
        return;
    m_status = status;
    changed({{QStringLiteral("PlaybackStatus"), status}});
}

void Mpris::setMetadata(int track, const QString &title, const QString &artist, const QString &station) {
    QVariantMap metadata;
    metadata.insert(QStringLiteral("mpris:trackid"),
                    QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/tunelark/Track/%1").arg(track))));
    if (!title.isEmpty())
        metadata.insert(QStringLiteral("xesam:title"), title);
    if (!artist.isEmpty())
        metadata.insert(QStringLiteral("xesam:artist"), QStringList{artist});
    // The station stands where a song's album would: the line desktop widgets show under the title.
    if (!station.isEmpty())
        metadata.insert(QStringLiteral("xesam:album"), station);
    if (metadata == m_metadata)
        return;
    m_metadata = metadata;
    changed({{QStringLiteral("Metadata"), metadata}});
}

void Mpris::setVolume(int volume) {
    if (volume == m_volume)
        return;
    m_volume = volume;
    changed({{QStringLiteral("Volume"), this->volume()}});
}

void Mpris::setCanGo(bool canGo) {
    if (canGo == m_canGo)
        return;
    m_canGo = canGo;
    QVariantMap all;
    for (const char *name : {"CanGoNext", "CanGoPrevious", "CanPlay", "CanPause"})
        all.insert(QString::fromLatin1(name), canGo);
    changed(all);
}

void Mpris::changed(const QVariantMap &properties) {
    if (!m_registered)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << properties << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace platform::dbus
