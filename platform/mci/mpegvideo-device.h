#pragma once
// The "mpegvideo" device: plays a sound or video file once, without waiting and without a window,
// through libVLC. The file's content decides how it is read, not its name (the player's clip is an
// MP3 file named Process.dll).
//
// Threads: commands run on the caller's thread; libVLC plays on its own threads and is only
// started and stopped from here.

#include "platform/mci/mci-device.h"

#include <memory>

struct libvlc_instance_t;
struct libvlc_media_player_t;

namespace platform::mci {

class MpegVideoDevice : public MciDevice {
public:
    MpegVideoDevice();
    ~MpegVideoDevice() override;

    // MCIERR_FILE_NOT_FOUND unless `element` is a regular file; MCIERR_CANNOT_LOAD_DRIVER when
    // libVLC cannot start.
    int open(const QString &element) override;
    // "play" (from the start, once; returns at once). Other verbs: MCIERR_UNRECOGNIZED_COMMAND.
    int command(const Command &command, QString *answer) override;

private:
    std::shared_ptr<libvlc_instance_t> m_engine;
    libvlc_media_player_t *m_player = nullptr;
};

} // namespace platform::mci
