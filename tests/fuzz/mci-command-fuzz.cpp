// MCI command texts as the command layer reads them for every device, "waveaudio" and "mpegvideo"
// alike: the verb and device, the words after them, and an "open" command's type and alias. Nothing
// is opened.

#include "platform/mci/mci-command.h"
#include "platform/mci/mci-errors.h"
#include "tests/fuzz/fuzz-input.h"

using namespace platform::mci;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    Command command;
    if (ParseCommand(QString::fromUtf8(fuzz::InputBytes(data, size)), &command) != MMSYSERR_NOERROR)
        return 0;
    fuzz::Require(command.verb == command.verb.toLower(), "the verb is in lower case");
    if (command.verb == QLatin1String("open")) {
        OpenArguments open;
        if (ParseOpenArguments(command, &open) == MMSYSERR_NOERROR)
            fuzz::Require(open.type == open.type.toLower() && !open.alias.isEmpty(),
                          "an open command has a lower-case type and an alias");
    }
    return 0;
}
