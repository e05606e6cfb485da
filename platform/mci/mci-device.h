#pragma once
// One open MCI device. Each device type ("mpegvideo", "waveaudio") implements this; the command
// layer keeps the open devices by alias and handles "open" and "close" for all of them.

#include "platform/mci/mci-command.h"

#include <QString>

namespace platform::mci {

class MciDevice {
public:
    virtual ~MciDevice() = default; // closing: stops whatever the device does and releases it

    // Opens `element` (a file, or "new" for a device that creates its content); an MCI error code.
    virtual int open(const QString &element) = 0;
    // Carries out the command (its verb in lower case, the words after the alias); an MCI error
    // code. A command that answers with text puts it into `answer` when given.
    virtual int command(const Command &command, QString *answer) = 0;
};

} // namespace platform::mci
