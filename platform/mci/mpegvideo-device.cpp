#include "platform/mci/mpegvideo-device.h"

#include "platform/mci/mci-errors.h"
#include "platform/media/vlc-engine.h"

#include <vlc/vlc.h>

#include <QFile>
#include <QFileInfo>

namespace platform::mci {

MpegVideoDevice::MpegVideoDevice() = default;

MpegVideoDevice::~MpegVideoDevice() {
    if (m_player != nullptr)
        libvlc_media_player_release(m_player); // stops playing
}

int MpegVideoDevice::open(const QString &element) {
    const QFileInfo file(element);
    if (!file.isFile())
        return MCIERR_FILE_NOT_FOUND;
    m_engine = media::SharedEngine();
    if (m_engine == nullptr)
        return MCIERR_CANNOT_LOAD_DRIVER;
    libvlc_media_t *media =
        libvlc_media_new_path(m_engine.get(), QFile::encodeName(file.absoluteFilePath()).constData());
    if (media == nullptr)
        return MCIERR_CANNOT_LOAD_DRIVER;
    // A video clip would otherwise open a window of libVLC's own.
    libvlc_media_add_option(media, ":no-video");
    m_player = libvlc_media_player_new_from_media(media);
    libvlc_media_release(media);
    return m_player != nullptr ? MMSYSERR_NOERROR : MCIERR_CANNOT_LOAD_DRIVER;
}

int MpegVideoDevice::command(const Command &command, QString *) {
    if (command.verb != QLatin1String("play"))
        return MCIERR_UNRECOGNIZED_COMMAND;
    if (!command.arguments.isEmpty())
        return MCIERR_UNRECOGNIZED_KEYWORD;
    // After the end libVLC starts a played item afresh; while it plays, play changes nothing.
    if (libvlc_media_player_is_playing(m_player) == 0)
        libvlc_media_player_play(m_player);
    return MMSYSERR_NOERROR;
}

} // namespace platform::mci
